// The commands of turtool, callable in-process so tests can run them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace turtool {

// Runs "show FILE", "check FILE", "run FILE [options]", "edit [--from FILE] --script S" or
// "settings FILE"; returns the exit code (2 for arguments it does not understand).
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace turtool
