#pragma once

#include "platform/resources.h"
#include "platform/window.h"

// The program: registers the window class, creates the window (which starts
// the game thread) and pumps messages until the quit message. Returns the
// exit status: 0 normally, 1 when the window or the game could not start.
int ProgramEntry(platform::Instance* instance, platform::Instance* previousInstance,
                 const char* commandLine, platform::ShowCommand showCommand);
