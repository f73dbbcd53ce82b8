#include "platform/process.h"

#include "platform/dyncalls.h"
#include "platform/fatal.h"
#include "platform/win.h"

namespace {
ExitRoutine Routines[8];
int RoutineCount = 0;
bool OleInitialized = false;
}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
  for (int i = 0; i < RoutineCount; ++i)
    if (Routines[i] == routine) return;
  if (RoutineCount < static_cast<int>(sizeof Routines / sizeof Routines[0])) Routines[RoutineCount++] = routine;
}

void RunExitRoutines() {
  for (int i = 0; i < RoutineCount; ++i) Routines[i]();
  RoutineCount = 0;
}

void DropExitRoutines() { RoutineCount = 0; }

void InitializeOle() {
  if (!OleInitialized) OleInitialized = SUCCEEDED(OleInitialize(nullptr));
}

void UninitializeOle() {
  if (OleInitialized) OleUninitialize();
  OleInitialized = false;
}

void FatalErrorBox(const Text& message) {
  MessageBoxA(nullptr, message.c_str(), "Sumlark", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  DropExitRoutines();
  FreeLoadedLibraries();
  UninitializeOle();
  ExitProcess(static_cast<UINT>(-1));
}
