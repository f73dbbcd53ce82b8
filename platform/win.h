// The one place the Windows headers come in; only platform/ and app/ include it.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Lean headers leave out COM and OLE; the drop target and automation need them.
#include <ole2.h>
#include <oleauto.h>
