#include "platform/automation.h"

#include <string>

#include "platform/com_ptr.h"

namespace {

// Calls a member by name, with the user's default locale.
bool Invoke(IDispatch* object, const wchar_t* name, WORD kind, VARIANT* args, UINT count, VARIANT* result) {
  if (!object) return false;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = 0;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  DISPPARAMS params = {args, nullptr, count, 0};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, nullptr, nullptr));
}

std::wstring Widen(const char* text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
  wide.resize(static_cast<std::size_t>(n - 1));
  return wide;
}

}  // namespace

double AutomationFileSize(const char* path) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"scripting.FileSystemObject", &clsid))) return 0.0;
  ComPtr<IDispatch> fso;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(fso.put()))))
    return 0.0;

  ScopedVariant arg;
  arg.get()->vt = VT_BSTR;
  arg.get()->bstrVal = SysAllocString(Widen(path).c_str());
  ScopedVariant file;
  if (!Invoke(fso.get(), L"GetFile", DISPATCH_METHOD, arg.get(), 1, file.get())) return 0.0;
  if (file.get()->vt != VT_DISPATCH) return 0.0;

  ScopedVariant size;
  if (!Invoke(file.get()->pdispVal, L"Size", DISPATCH_PROPERTYGET, nullptr, 0, size.get())) return 0.0;
  if (size.get()->vt == VT_R8) return size.get()->dblVal;
  if (FAILED(VariantChangeType(size.get(), size.get(), 0, VT_R8))) return 0.0;
  return size.get()->dblVal;
}
