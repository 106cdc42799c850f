// The commands of turtool, callable in-process so tests can run them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace turtool {

// Runs a turtool command line ("show FILE", "run FILE [options]", "--help", ...); returns
// the exit code: 0 done, 1 a failure named on err, 2 a word it did not understand.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace turtool
