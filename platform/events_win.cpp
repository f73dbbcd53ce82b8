#include "platform/events.h"

namespace {
PreTranslateFn PreTranslate = nullptr;
}

void SetPreTranslate(PreTranslateFn fn) { PreTranslate = fn; }

void DispatchOne(MSG& msg) {
  if (PreTranslate && PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void PumpWindowEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {  // overtook the one we looked at: leave it for the main loop
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchOne(msg);
  }
}
