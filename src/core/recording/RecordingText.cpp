// The text of a recording: writing it, and reading it back as a file from a stranger.
#include <algorithm>
#include <sstream>

#include "core/board/LevelNames.h"
#include "core/io/Files.h"
#include "core/io/Text.h"
#include "core/loop/MainLoop.h"
#include "core/recording/Recording.h"

namespace boltik::recording {

namespace {

using board::Dir;
using io::parseInteger;

constexpr const char* kHeader = "boltik replay 1";
// The longest line of a recording: a start line holds a level name, no other line comes near.
constexpr std::size_t kLongestLine = 4096;

std::optional<game::QuestionId> questionNamed(const std::string& word) {
    for (auto id : {game::QuestionId::LeaveGame, game::QuestionId::RestartLevel,
                    game::QuestionId::MissingLevel, game::QuestionId::ExitProgram}) {
        if (word == game::questionName(id)) return id;
    }
    return std::nullopt;
}

// The chooser's answer and a replayed level are loaded by their name: a bare file name, or
// none at all (nothing is found by it). The next level's number is all a name of mode 3 gives.
bool startNameFits(const Recording& r) {
    return r.start == board::StartMode::Next || r.name.empty() || board::isBareFileName(r.name);
}

}  // namespace

std::string recordingText(const Recording& r) {
    std::ostringstream out;
    out << kHeader << '\n'
        << "level " << r.level << '\n'
        << "checksum " << r.checksum << '\n'
        << "start " << static_cast<int>(r.start) << ' ' << r.name << '\n'
        << "seed " << r.seed << '\n'
        << "lives " << r.lives << '\n'
        << "bigCycles " << r.bigCycles << '\n'
        << "fireDelay " << r.fireDelay << '\n'
        << "requests";
    for (Dir d : board::kAllDirs) {
        out << ' ' << r.requests.key[d] << ' ' << r.requests.fire[d] << ' ' << r.requests.fresh[d]
            << ' ' << r.requests.held[d];
    }
    out << '\n';
    for (const CellValue& c : r.cells)
        out << "cell " << c.x << ' ' << c.y << ' ' << c.layer << ' ' << c.value << '\n';
    for (const auto& [id, answer] : r.answers)
        out << "answer " << game::questionName(id) << ' ' << answer << '\n';
    for (const Event& e : r.events) {
        out << "at " << e.point << ' ' << inputWord(e.kind);
        if (isArrow(e.kind)) out << ' ' << board::dirName(e.dir);
        out << '\n';
    }
    out << "cycles " << r.cycles << '\n';
    return out.str();
}

std::optional<Recording> parseRecording(const std::string& text, std::string& error) {
    Refusal refusal;
    auto replay = parseRecording(text, refusal);
    if (!replay) error = refusal.text;
    return replay;
}

std::optional<Recording> parseRecording(const std::string& text, Refusal& refusal) {
    using Kind = Refusal::Kind;
    const auto refuse = [&refusal](Kind kind, int line, std::string why) {
        refusal = {kind, line, std::move(why)};
        return std::nullopt;
    };
    std::istringstream in(text);
    std::string line;
    if (io::readLine(in, line, kLongestLine) != io::LineRead::Whole || line != kHeader) {
        return refuse(Kind::NotARecording, 1, "not a boltik replay");
    }
    Recording r;
    bool ended = false;
    for (int n = 2;; ++n) {
        const io::LineRead read = io::readLine(in, line, kLongestLine);
        if (read == io::LineRead::End) break;
        if (read == io::LineRead::TooLong) {
            return refuse(Kind::Damaged, n, io::lineTooLong(n, kLongestLine));
        }
        // No value of a recording holds a control character; one that did could not be written
        // back as it was read.
        if (std::any_of(line.begin(), line.end(), [](char c) {
                const auto byte = static_cast<unsigned char>(c);
                return (byte < 0x20 && c != '\t') || byte == 0x7F;
            })) {
            return refuse(Kind::Damaged, n,
                          "line " + std::to_string(n) + " holds a control character");
        }
        if (ended) {
            return refuse(
                Kind::Damaged, n,
                "line " + std::to_string(n) + " comes after the cycles line, which ends a replay");
        }
        std::istringstream words(line);
        std::string key;
        words >> key;
        std::string rest;
        std::getline(words >> std::ws, rest);
        std::istringstream args(rest);
        std::vector<std::string> w;
        for (std::string s; args >> s;)
            w.push_back(s);
        int64_t a = 0, b = 0, c = 0, d = 0;
        bool ok = true;
        std::string problem;
        if (key == "level") {
            // Only a bare name: the players look for it in folders of their own choosing.
            r.level = rest;
            ok = board::isBareFileName(rest);
            if (!ok) problem = "the level is not named by a bare file name";
        } else if (key == "checksum") {
            r.checksum = rest;
            ok = !rest.empty();
        } else if (key == "start") {
            ok = w.size() >= 1 && io::parseInteger(w[0], 0, 3, a) && a != 1;
            if (ok) {
                r.start = static_cast<board::StartMode>(a);
                r.name = rest.size() > w[0].size() ? rest.substr(w[0].size() + 1) : "";
                ok = startNameFits(r);
                if (!ok) problem = "the level started is not named by a bare file name";
            }
        } else if (key == "seed") {
            ok = w.size() == 1 && io::parseInteger(w[0], 0, UINT32_MAX, a);
            r.seed = static_cast<uint32_t>(a);
        } else if (key == "lives") {
            r.lives = rest;
        } else if (key == "bigCycles") {
            ok = w.size() == 1 && io::parseInteger(w[0], INT32_MIN, INT32_MAX, a);
            r.bigCycles = static_cast<int32_t>(a);
        } else if (key == "fireDelay") {
            ok = w.size() == 1 && io::parseInteger(w[0], INT16_MIN, INT16_MAX, a);
            r.fireDelay = static_cast<int16_t>(a);
        } else if (key == "requests") {
            ok = w.size() == 16;
            for (std::size_t i = 0; ok && i < 16; ++i) {
                ok = io::parseInteger(w[i], 0, 1, a);
                const Dir dir = board::kAllDirs[i / 4];
                switch (i % 4) {
                    case 0:
                        r.requests.key[dir] = static_cast<int16_t>(a);
                        break;
                    case 1:
                        r.requests.fire[dir] = static_cast<int16_t>(a);
                        break;
                    case 2:
                        r.requests.fresh[dir] = a != 0;
                        break;
                    default:
                        r.requests.held[dir] = a != 0;
                        break;
                }
            }
        } else if (key == "cell") {
            ok = w.size() == 4 && io::parseInteger(w[0], 0, board::kLastCol, a) &&
                 io::parseInteger(w[1], 0, board::kLastRow, b) &&
                 io::parseInteger(w[2], 0, board::kLayerCount - 1, c) &&
                 io::parseInteger(w[3], INT16_MIN, INT16_MAX, d);
            if (ok) {
                r.cells.push_back({int(a), int(b), int(c), static_cast<int16_t>(d)});
            }
        } else if (key == "answer") {
            const auto id = w.size() == 2 ? questionNamed(w[0]) : std::nullopt;
            ok = id && io::parseInteger(w[1], 1, 2, a);
            if (ok) r.answers.push_back({*id, int(a)});
        } else if (key == "at") {
            Event e;
            const auto kind = w.size() >= 2 ? inputNamed(w[1]) : std::nullopt;
            ok = kind && io::parseInteger(w[0], 1, INT64_MAX, a);
            if (ok) {
                e.point = static_cast<long>(a);
                e.kind = *kind;
                const auto dir = w.size() == 3 ? board::dirNamed(w[2]) : std::nullopt;
                ok = isArrow(e.kind) ? dir.has_value() : w.size() == 2;
                if (dir) e.dir = *dir;
            }
            ok = ok && (r.events.empty() || r.events.back().point <= e.point);
            if (ok) r.events.push_back(e);
        } else if (key == "cycles") {
            ok = w.size() == 1 && io::parseInteger(w[0], 0, kMostCycles, a);
            r.cycles = static_cast<long>(a);
            ended = ok;
        } else {
            ok = false;
        }
        if (!ok) {
            // A refused name is not repeated: it may be anything up to the line's length.
            if (!problem.empty()) {
                return refuse(Kind::LevelByPath, n, "line " + std::to_string(n) + ": " + problem);
            }
            return refuse(Kind::Damaged, n,
                          "line " + std::to_string(n) + " is not understood: " + line);
        }
    }
    if (!ended || r.level.empty() || r.checksum.empty()) {
        return refuse(Kind::Damaged, 0, "the replay is incomplete");
    }
    if (!r.events.empty() && r.events.back().point > loop::yieldsUpTo(r.cycles)) {
        return refuse(Kind::InputsPastEnd, 0,
                      "inputs at yield " + std::to_string(r.events.back().point) +
                          " lie past the replay's " + std::to_string(r.cycles) + " cycles");
    }
    return r;
}

}  // namespace boltik::recording
