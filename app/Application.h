#pragma once
#include <windows.h>

#include "ui/Handles.h"

// Lives for the whole entry point and owns the single-instance lock.
struct AppInstance {
  KernelHandle mutex;
};

// The program's whole life: the lock, the hand-off to a running copy, or the main window and its
// message loop. Returns the exit code: 1 after Exit, 0 on every early return.
int StartApplication(AppInstance& app, HINSTANCE instance);

// Shows the running copy's Fader if it is hidden and brings it, or its open dialog, forward.
void ActivateRunningInstance();

// Creates the main window and runs the message loop; the loop's result, or 0 without a window.
int RunMainWindow();
