// The message pump shared by the main loop and the batch's inner dispatch.
#pragma once

#include "platform/win.h"

// The window's keyboard handling (Esc closes it). True when it took the message.
using PreTranslateFn = bool (*)(MSG& msg);
void SetPreTranslate(PreTranslateFn fn);

// One message: pre-translation, then TranslateMessage and DispatchMessageA.
void DispatchOne(MSG& msg);

// Dispatches what is already queued and returns; WM_QUIT stays queued for the
// main loop. Never waits.
void PumpWindowEvents();
