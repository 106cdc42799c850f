// turtool's usage texts and its reading of options.
#include "Usage.h"

namespace turtool {

namespace {

struct CommandHelp {
    const char* name;
    const char* usage;  // the words after "turtool"
    const char* about;  // what it does, one or more indented lines
};

constexpr CommandHelp kCommands[] = {
    {"show", "show FILE", "    prints the four layers of a level file and its bolt count\n"},
    {"check", "check FILE", "    warns of what a level author wants to know\n"},
    {"run",
     "run FILE [--cycles N] [--script F] [--seed S] [--layers L,...]\n"
     "                    [--answer-missing 1|2] [--trace-sounds]",
     "    plays a level headless, driven by a script, and prints how it ended\n"},
    {"edit", "edit [--from FILE] --script S",
     "    drives the level editor's rules by a script and prints the board\n"},
    {"settings", "settings FILE", "    prints how the start menu reads a settings file\n"},
    {"replay", "replay FILE", "    plays a recorded game headless and prints how it ended\n"},
    {"stats", "stats FILE [--max-states N] [--seed S] [--route SCRIPT [--seeds N]]",
     "    how hard a level is: its reachable states, the share from which it cannot be won,\n"
     "    the shortest solution, the earliest move that loses it; with --route, the share of\n"
     "    the seeds 1..N (1000 by default) under which that script does not win, and the\n"
     "    first of them\n"},
    {"solve",
     "solve FILE [--max-seconds S] [--max-states N] [--seed S] [--any-length] [--threads N]",
     "    finds the shortest winning script of a level; a level with guns needs the guns' seed;\n"
     "    with --any-length, a longer one when the shortest takes too long; it searches with a\n"
     "    thread for each core unless --threads says how many, and finds the same either way\n"},
};

const CommandHelp* find(const std::string& command) {
    for (const CommandHelp& c : kCommands) {
        if (command == c.name) return &c;
    }
    return nullptr;
}

void printOne(std::ostream& out, const CommandHelp& c, const char* lead) {
    out << lead << "turtool " << c.usage << '\n' << c.about;
}

}  // namespace

bool isCommand(const std::string& command) {
    return find(command) != nullptr;
}

void printUsage(std::ostream& out) {
    out << "usage: turtool COMMAND ...\n"
        << "       turtool --help | help COMMAND\n\n";
    for (const CommandHelp& c : kCommands)
        printOne(out, c, "  ");
    out << "\nExit codes: 0 done, 1 a failure (named on standard error), 2 a usage error.\n";
}

bool printUsage(std::ostream& out, const std::string& command) {
    const CommandHelp* c = find(command);
    if (c) printOne(out, *c, "usage: ");
    return c != nullptr;
}

int usageError(std::ostream& err, const std::string& command, const std::string& problem) {
    err << "turtool: " << (command.empty() ? "" : command + ": ") << problem << '\n';
    if (!printUsage(err, command)) {
        err << "Run 'turtool --help' for the commands.\n";
    }
    return kUsageError;
}

std::string readOptions(const std::vector<std::string>& args, std::size_t first,
                        const OptionTaker& take) {
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (take(name, nullptr)) continue;
        if (name.rfind("--", 0) != 0) return "did not understand '" + name + "'";
        if (i + 1 >= args.size()) return "'" + name + "' needs a value";
        const std::string& value = args[++i];
        if (!take(name, &value)) return "did not understand '" + name + " " + value + "'";
    }
    return "";
}

}  // namespace turtool
