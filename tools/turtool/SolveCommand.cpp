// turtool solve: the shortest winning key script of a level, proved by the rules core itself.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <limits>
#include <sstream>

#include "Subcommands.h"
#include "Usage.h"
#include "core/io/Text.h"
#include "core/solver/Solver.h"

namespace turtool {

using namespace boltik::board;
using namespace boltik::solver;

namespace {

// The replay of a solution runs this many cycles past its win, as a level author would.
constexpr long kReplaySpare = 5;

bool parseSeconds(const std::string& text, double& seconds) {
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, seconds);
    return ec == std::errc() && at == end && std::isfinite(seconds) && seconds >= 0;
}

// The limits of solve; the problem, naming the word, when one is not understood.
std::optional<SolveLimits> parseLimits(const std::vector<std::string>& args, std::string& problem) {
    SolveLimits limits;
    problem = readOptions(args, 2, [&limits](const std::string& name, const std::string* value) {
        int64_t n = 0;
        if (!value) {
            if (name != "--any-length") return false;
            limits.anyLength = true;
            return true;
        }
        if (name == "--max-seconds") return parseSeconds(*value, limits.maxSeconds);
        if (name == "--seed") {
            if (!boltik::io::parseInteger(*value, 0, std::numeric_limits<uint32_t>::max(), n)) {
                return false;
            }
            limits.seed = static_cast<uint32_t>(n);
            return true;
        }
        if (name == "--threads") {
            if (!boltik::io::parseInteger(*value, 1, 64, n)) return false;
            limits.threads = static_cast<unsigned>(n);
            return true;
        }
        if (name != "--max-states" ||
            !boltik::io::parseInteger(*value, 1, std::numeric_limits<uint32_t>::max() - 1, n)) {
            return false;
        }
        limits.maxStates = static_cast<std::size_t>(n);
        return true;
    });
    if (!problem.empty()) return std::nullopt;
    return limits;
}

// The first gun of the play area, column by column.
std::optional<std::pair<int, int>> firstGun(const Board& board) {
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            const int c = board.code(x, y);
            if (c == code::kGunDown || c == code::kGunUp) return std::pair{x, y};
        }
    }
    return std::nullopt;
}

// "1 state", "2 states".
std::string counted(std::size_t n, const std::string& thing) {
    return std::to_string(n) + ' ' + thing + (n == 1 ? "" : "s");
}

std::string seconds(double s) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << s << " s";
    return text.str();
}

void sayNotFound(const SolveResult& r, const SolveLimits& limits, std::ostream& out) {
    const std::string searched = counted(r.states, "state") + "; no script of up to " +
                                 counted(static_cast<std::size_t>(std::max(0L, r.depth)), "cycle") +
                                 " wins; in " + seconds(r.seconds);
    switch (r.outcome) {
        case SolveResult::Outcome::OutOfTime:
            out << "no solution found: the time limit of " << seconds(limits.maxSeconds)
                << " stopped the search (" << searched << ")\n";
            break;
        case SolveResult::Outcome::OutOfStates:
            out << "no solution found: the limit of " << limits.maxStates
                << " states stopped the search (" << searched << ")\n";
            break;
        default:
            out << "no solution: every state the robot can reach with one tap or shot a cycle "
                   "was searched, but for those proven lost ("
                << counted(r.states, "state") << " in " << seconds(r.seconds) << ")\n";
            break;
    }
}

}  // namespace

int solve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) return usageError(err, "solve", "FILE is missing");
    std::string problem;
    const auto limits = parseLimits(args, problem);
    if (!limits) return usageError(err, "solve", problem);
    const std::string& file = args[1];
    Board board;
    if (!openLevel(file, board, err)) return 1;
    // With its seed fixed, a level with guns is as certain as one without.
    if (const auto gun = firstGun(board); gun && !limits->seed) {
        err << "turtool: " << file << ": a gun stands at (" << gun->first << ", " << gun->second
            << "); guns fire at random, so solve takes only levels without them\n";
        return 1;
    }
    SolveResult r;
    try {
        r = solveLevel(file, *limits);
    } catch (const boltik::game::GameQuit&) {
        err << "turtool: " << file << ": the level could not be loaded\n";
        return 1;
    }
    if (r.outcome != SolveResult::Outcome::Solved) {
        sayNotFound(r, *limits, out);
        return 1;
    }
    const auto events = scriptOf(r.inputs);
    const long length = static_cast<long>(r.inputs.size());
    if (winningCycle(file, events, length + kReplaySpare, limits->seed.value_or(0)) != length) {
        err << "turtool: the script found for " << file
            << " does not win when replayed; the solver is at fault\n";
        return 1;
    }
    out << (r.shortest ? "# the shortest solution: " : "# a solution, not proven the shortest: ")
        << counted(r.inputs.size(), "cycle") << " (" << counted(r.states, "state")
        << " searched in " << seconds(r.seconds) << ")";
    if (limits->seed) out << "; it wins under turtool run --seed " << *limits->seed;
    out << '\n';
    for (const boltik::headless::ScriptEvent& e : events)
        out << boltik::headless::scriptLine(e) << '\n';
    return 0;
}

namespace {

std::string inputWords(const std::vector<SolveInput>& inputs) {
    std::string words;
    for (const SolveInput& in : inputs) {
        if (!words.empty()) words += ' ';
        if (in.kind == SolveInput::Kind::Wait) {
            words += "wait";
        } else {
            words +=
                std::string(in.kind == SolveInput::Kind::Shoot ? "shoot-" : "") + dirName(in.dir);
        }
    }
    return words;
}

std::string percent(std::size_t part, std::size_t whole) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << (whole ? 100.0 * part / whole : 0.0) << " %";
    return text.str();
}

}  // namespace

int stats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) return usageError(err, "stats", "FILE is missing");
    SolveLimits limits;
    limits.maxStates = 2'000'000;
    std::string route;
    int64_t seeds = 1000;
    const std::string problem =
        readOptions(args, 2, [&](const std::string& name, const std::string* value) {
            int64_t n = 0;
            if (!value) return false;
            if (name == "--route") {
                route = *value;
                return true;
            }
            if (name == "--seeds") return boltik::io::parseInteger(*value, 1, 100000, seeds);
            if (name == "--seed" &&
                boltik::io::parseInteger(*value, 0, std::numeric_limits<uint32_t>::max(), n)) {
                limits.seed = static_cast<uint32_t>(n);
                return true;
            }
            if (name == "--max-states" &&
                boltik::io::parseInteger(*value, 1, std::numeric_limits<uint32_t>::max() - 1, n)) {
                limits.maxStates = static_cast<std::size_t>(n);
                return true;
            }
            return false;
        });
    if (!problem.empty()) return usageError(err, "stats", problem);
    const std::string& file = args[1];
    Board board;
    if (!openLevel(file, board, err)) return 1;
    std::vector<boltik::headless::ScriptEvent> events;
    if (!route.empty()) {
        std::ifstream in(route);
        std::string error;
        const auto parsed = boltik::headless::parseScript(in, error);
        if (!in && !in.eof()) {
            err << "turtool: " << route << ": cannot be read\n";
            return 1;
        }
        if (!parsed) {
            err << "turtool: " << route << ": " << error << '\n';
            return 1;
        }
        events = *parsed;
    }
    const auto gun = firstGun(board);
    out << "level: " << file << '\n';
    if (gun && !limits.seed) {
        out << "states: not searched: a gun stands at (" << gun->first << ", " << gun->second
            << "); give --seed S for the shots of one seed\n";
    } else {
        LevelStats s;
        try {
            s = levelStats(startOf(file, limits.seed.value_or(0)), limits);
        } catch (const boltik::game::GameQuit&) {
            err << "turtool: " << file << ": the level could not be loaded\n";
            return 1;
        }
        out << "states: " << s.states
            << (s.complete ? " (every reachable state)"
                           : " (the bound was reached: the share lost is a lower bound)")
            << '\n';
        out << "lost: " << s.lost << " (" << percent(s.lost, s.states) << ")\n";
        out << "shortest: "
            << (s.shortest ? counted(static_cast<std::size_t>(*s.shortest), "cycle")
                           : std::string("none found"))
            << '\n';
        out << "earliest loss: ";
        if (s.earliestLoss) {
            out << "after " << counted(static_cast<std::size_t>(*s.earliestLoss), "cycle") << " ("
                << inputWords(s.lossPath) << ")\n";
        } else {
            out << "none\n";
        }
    }
    if (!route.empty()) {
        long lostSeeds = 0;
        std::string firstLost;  // the first few seeds lost, to replay one with turtool run
        const long limit = events.empty() ? 1000 : events.back().cycle + 1000;
        for (int64_t seed = 1; seed <= seeds; ++seed) {
            if (winningCycle(file, events, limit, static_cast<uint32_t>(seed))) continue;
            if (++lostSeeds <= 10)
                firstLost += (firstLost.empty() ? "" : ", ") + std::to_string(seed);
        }
        out << "route lost: " << lostSeeds << " of " << seeds << " seeds ("
            << percent(static_cast<std::size_t>(lostSeeds), static_cast<std::size_t>(seeds))
            << ")\n";
        if (lostSeeds > 0) {
            out << (lostSeeds > 10 ? "first seeds lost: " : "seeds lost: ") << firstLost << '\n';
        }
    }
    return 0;
}

}  // namespace turtool
