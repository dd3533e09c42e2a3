#pragma once

#include "commandline.h"

// The part of the program that needs Qt, the main window and --pick, is a module of its own,
// loaded only when one of them is asked for: the commands that need no window then start
// without loading Qt's libraries, which take most of the window's start-up.
namespace tessuvo {

// Loads the module and runs the window or the pick, as `command` asks; the exit status, or 1
// with a message when the module cannot be loaded.
int RunWindowModule(CommandLine& command);

} // namespace tessuvo

// The module's entry, looked up by this name: QApplication on the session's display, then the
// window or the pick; the exit status.
extern "C" int TessuvoWindowMain(tessuvo::CommandLine& command);
