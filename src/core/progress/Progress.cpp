// Reading, improving and writing the progress file: one line a level,
// "<cycles> <lives lost> <level file name>".
#include "core/progress/Progress.h"

#include <algorithm>
#include <sstream>

#include "core/io/Text.h"

namespace boltik::progress {

namespace {

// A line holds two numbers and a level's file name; a longer line is damaged.
constexpr std::size_t kLongestLine = 4096;
// No player finishes more levels than this; the rest of a larger file is not read.
constexpr int kMostLevels = 100000;

}  // namespace

Progress Progress::load(const std::string& path) {
    Progress progress;
    std::ifstream in;
    std::string reason;
    if (!io::openRegularFile(path, in, reason)) return progress;
    std::string line;
    for (int n = 1; n <= kMostLevels; ++n) {
        const io::LineRead read = io::readLine(in, line, kLongestLine);
        if (read == io::LineRead::End) break;
        if (read == io::LineRead::TooLong) {
            progress.problems_.push_back(path + ": " + io::lineTooLong(n, kLongestLine));
            continue;
        }
        std::istringstream words(line);
        std::string cycles, lost;
        words >> cycles >> lost;
        std::string name;
        std::getline(words >> std::ws, name);
        int64_t c = 0;
        int64_t l = 0;
        // A best result played with rewind is marked so: "784* 0 7.tur".
        const bool rewound = !cycles.empty() && cycles.back() == '*';
        if (rewound) cycles.pop_back();
        // A level's file name holds no control character: such a line is damaged.
        const bool control = std::any_of(name.begin(), name.end(), [](char ch) {
            return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F;
        });
        if (name.empty() || control || !io::parseInteger(cycles, c) || !io::parseInteger(lost, l) ||
            c < 0 || l < 0) {
            continue;
        }
        progress.record(name, static_cast<long>(c), static_cast<long>(l), rewound);
    }
    return progress;
}

std::optional<Best> Progress::best(const std::string& level) const {
    const auto it = levels_.find(level);
    if (it == levels_.end()) return std::nullopt;
    return it->second;
}

void Progress::record(const std::string& level, long cycles, long livesLost, bool rewound) {
    const auto it = levels_.find(level);
    if (it == levels_.end()) {
        levels_[level] = Best{cycles, livesLost, rewound};
        return;
    }
    Best& best = it->second;
    // The fewest cycles, and of equal ones, one played without rewind.
    if (cycles < best.cycles || (cycles == best.cycles && !rewound)) {
        best.rewound = rewound && !(cycles == best.cycles && !best.rewound);
        best.cycles = cycles;
    }
    best.livesLost = std::min(best.livesLost, livesLost);
}

bool Progress::followLevels(const std::vector<std::string>& replaced,
                            const std::vector<std::pair<std::string, std::string>>& moved) {
    const std::map<std::string, Best> old = levels_;
    for (const std::string& name : replaced)
        levels_.erase(name);
    for (const auto& [from, to] : moved) {
        if (const auto it = old.find(from); it != old.end()) levels_[to] = it->second;
    }
    return levels_ != old;
}

io::WriteResult Progress::save(const std::string& path) const {
    std::string text;
    for (const auto& [name, best] : levels_)
        text += std::to_string(best.cycles) + (best.rewound ? "* " : " ") +
                std::to_string(best.livesLost) + " " + name + "\n";
    return io::writeFileAtomically(path, text);
}

}  // namespace boltik::progress
