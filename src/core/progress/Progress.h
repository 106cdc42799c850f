// The player's progress: each finished level with its best result, kept in the play directory.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/io/Files.h"

namespace boltik::progress {

inline constexpr const char* kProgressFile = ".boltik-progress";

// The best a level was finished with: the fewest cycles and, apart, the fewest lives lost
// from its first start to its finish.
struct Best {
    long cycles = 0;
    long livesLost = 0;
    // Whether the level was taken back (rewound) on the way to that fewest cycles.
    bool rewound = false;
    bool operator==(const Best&) const = default;
};

class Progress {
public:
    // Reads the file; a missing or damaged file (or line) is no progress, never an error. A
    // line too long to read whole is passed over and named in problems().
    static Progress load(const std::string& path = kProgressFile);

    std::optional<Best> best(const std::string& level) const;
    // Records a finish; each best only ever gets better.
    void record(const std::string& level, long cycles, long livesLost, bool rewound = false);
    // After level files were brought up to date: a best follows its level from the old name to
    // the new one, and the best kept under a name that now holds another level is dropped.
    // Returns whether anything changed.
    bool followLevels(const std::vector<std::string>& replaced,
                      const std::vector<std::pair<std::string, std::string>>& moved);
    // Writes the whole file through a temporary file, so a failure keeps the old one.
    io::WriteResult save(const std::string& path = kProgressFile) const;

    const std::map<std::string, Best>& levels() const { return levels_; }
    // What load passed over: "FILE: line N is longer than M characters".
    const std::vector<std::string>& problems() const { return problems_; }

private:
    std::map<std::string, Best> levels_;
    std::vector<std::string> problems_;
};

}  // namespace boltik::progress
