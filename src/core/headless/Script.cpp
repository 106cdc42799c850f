// Script parsing, and the events of a script scheduled on the host.
#include "core/headless/Script.h"

#include <sstream>
#include <utility>

#include "core/board/LevelFile.h"
#include "core/game/Blasts.h"
#include "core/io/Files.h"
#include "core/recording/Recording.h"

namespace boltik::headless {

using board::dirName;

namespace {

bool parseAnswer(const std::string& word, int& answer) {
    if (word != "1" && word != "2") return false;
    answer = word[0] - '0';
    return true;
}

// Parses the words of one script line after its cycle number.
bool parseEvent(std::istringstream& words, ScriptEvent& event) {
    std::string word;
    words >> word;
    const auto kind = recording::inputNamed(word);
    if (!kind) return false;
    event.kind = *kind;
    std::string arg;
    if (recording::isArrow(event.kind)) {
        if (!(words >> arg)) return false;
        const auto dir = board::dirNamed(arg);
        if (!dir) return false;
        event.dir = *dir;
    } else if (event.kind == ScriptEvent::Kind::Escape) {
        while (words >> arg) {
            int answer = 0;
            if (!parseAnswer(arg, answer) || event.answers.size() == 2) return false;
            event.answers.push_back(answer);
        }
        if (event.answers.empty()) return false;
    }
    return !(words >> arg);
}

}  // namespace

std::optional<std::vector<ScriptEvent>> parseScript(std::istream& in, std::string& error) {
    std::vector<ScriptEvent> events;
    std::string line;
    for (int lineNo = 1;; ++lineNo) {
        const auto read = io::readLine(in, line, kLongestScriptComment);
        if (read == io::LineRead::End) break;
        if (read == io::LineRead::TooLong) {
            error = "script " + io::lineTooLong(lineNo, kLongestScriptComment);
            return std::nullopt;
        }
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#') continue;
        if (line.size() > kLongestScriptLine) {
            error = "script " + io::lineTooLong(lineNo, kLongestScriptLine);
            return std::nullopt;
        }
        ScriptEvent event;
        std::size_t used = 0;
        bool ok = first.find_first_not_of("0123456789") == std::string::npos && first.size() <= 9;
        if (ok) event.cycle = std::stol(first, &used);
        if (!ok || !parseEvent(words, event)) {
            error = "script line " + std::to_string(lineNo) + " is not understood: " + line;
            return std::nullopt;
        }
        events.push_back(event);
    }
    return events;
}

std::string scriptLine(const ScriptEvent& event) {
    std::string line = std::to_string(event.cycle) + ' ' + recording::inputWord(event.kind);
    if (recording::isArrow(event.kind)) return line + ' ' + dirName(event.dir);
    if (event.kind == ScriptEvent::Kind::Escape) {
        for (int answer : event.answers)
            line += ' ' + std::to_string(answer);
    }
    return line;
}

void prepareAgain(board::World& world, const std::string& file) {
    world.bigCycles = board::readCounterFile();
    world.levelName = file;
    world.startMode = board::StartMode::Again;
}

void schedule(ScriptHost& host, game::Context& ctx, const std::vector<ScriptEvent>& events) {
    using game::QuestionId;
    for (const ScriptEvent& event : events) {
        recording::Event input;
        input.kind = event.kind;
        input.dir = event.dir;
        host.at(event.cycle, [&host, &ctx, event, input] {
            if (event.kind == ScriptEvent::Kind::Escape) {
                host.answer(QuestionId::LeaveGame, event.answers[0]);
                if (event.answers.size() > 1) {
                    host.answer(QuestionId::RestartLevel, event.answers[1]);
                }
            }
            recording::apply(input, ctx);
        });
    }
}

void TraceSounds::playPanned(sound::Effect effect, int pan) {
    SilentSounds::playPanned(effect, pan);
    started_.push_back({ctx_ ? ctx_->cycles : 0, effect});
}

}  // namespace boltik::headless
