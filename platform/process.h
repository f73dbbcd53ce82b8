// Start-up and shutdown services: the exit routines and the OLE initialisation.
#pragma once

using ExitRoutine = void (*)();

// Appends the routine unless it is already registered.
void RegisterExitRoutine(ExitRoutine routine);
// Calls the routines in registration order, then empties the list.
void RunExitRoutines();
// Empties the list without calling anything (the fatal path).
void DropExitRoutines();

// OleInitialize on this thread; OleUninitialize later only if it succeeded.
void InitializeOle();
void UninitializeOle();
