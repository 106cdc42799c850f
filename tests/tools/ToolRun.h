// Runs a turtool command in the test's process and keeps its exit code and its two outputs.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"

namespace boltik::testing {

struct ToolRun {
    int code;
    std::string out, err;
};

inline ToolRun turtool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = ::turtool::runCommand(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace boltik::testing
