// The commands of turtool, callable in-process so tests can run them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace turtool {

// Runs "show FILE", "check FILE" or "run FILE [options]"; returns the exit code.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace turtool
