// The program's start-up: the application object, its title, the three
// windows in their order, and the message loop until the main window closes.
#pragma once

namespace taramel {

// Returns the process's exit code.
int RunProgram();

}  // namespace taramel
