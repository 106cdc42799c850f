// How turtool speaks about its own command line: the usage of each command, help, and the
// usage errors that name the word that was not understood (exit code 2).
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace turtool {

inline constexpr int kUsageError = 2;

// Whether turtool has a command of this name.
bool isCommand(const std::string& command);

// The usage of every command, or of one ("run"); false for a command turtool does not have.
void printUsage(std::ostream& out);
bool printUsage(std::ostream& out, const std::string& command);

// "turtool: COMMAND: PROBLEM", then the command's usage, on err; returns kUsageError.
int usageError(std::ostream& err, const std::string& command, const std::string& problem);

// Reads a command's options, args[first] onwards: each is "--name value", or a flag alone.
// take(name, value) says whether it understood an option; value is null for a flag. Returns
// "" when every word was understood, else the problem, naming the word.
using OptionTaker = std::function<bool(const std::string& name, const std::string* value)>;
std::string readOptions(const std::vector<std::string>& args, std::size_t first,
                        const OptionTaker& take);

}  // namespace turtool
