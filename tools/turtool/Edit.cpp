// turtool edit: the level editor's rules driven by a script, headless.
//
// Script lines ('#' starts a comment; blank lines are skipped):
//   tool K             the palette index K (editor::kPalette)
//   down X Y, move X Y the mouse pressed or moved over cell (X, Y); a cell outside 0..18 x
//   up                 0..11 is a pointer outside the squares; the mouse released
//   kudasow I|close    the next crawler direction window answered with picture I
//                      (editor::kCrawlerChoices), or closed
//   escape             Escape while a teleporter waits for its partner
//   new, load [FILE], save [FILE]   the file items; without FILE the chooser is closed
//   undo, redo         Ctrl+Z and Ctrl+Y
#include <fstream>
#include <functional>
#include <sstream>

#include "Subcommands.h"
#include "Usage.h"
#include "core/board/Codes.h"
#include "core/board/LevelNames.h"
#include "core/editor/Editor.h"
#include "core/headless/Script.h"
#include "core/headless/ScriptHost.h"
#include "core/io/Files.h"
#include "core/io/Text.h"

namespace turtool {

namespace {

using boltik::editor::Cell;
using boltik::editor::Editor;
using boltik::headless::kLongestScriptComment;
using boltik::headless::kLongestScriptLine;
using boltik::headless::ScriptEditorHost;

struct EditRun {
    Editor editor;
    ScriptEditorHost host;
    std::vector<std::string> messages;

    void report(const boltik::editor::FileResult& result) {
        if (!result) messages.push_back(result.message);
    }
};

using Step = std::function<void(EditRun&)>;

bool number(const std::string& word, int low, int high, int& value) {
    int64_t v = 0;
    if (!boltik::io::parseInteger(word, low, high, v)) return false;
    value = static_cast<int>(v);
    return true;
}

std::optional<Cell> cellOf(int x, int y) {
    if (x < 0 || x > boltik::board::kLastCol || y < 0 || y > boltik::board::kLastRow) {
        return std::nullopt;
    }
    return Cell{x, y};
}

// The chooser answered with the typed name: its rule appends ".tur" where it is missing.
std::string chosen(const std::string& typed) {
    return boltik::board::chooserFileName(typed);
}

// One script line as a step, or the reason it is not understood.
std::optional<Step> parseLine(const std::string& line, std::string& why) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    std::string rest;
    for (const auto& w : words)
        rest += (rest.empty() ? "" : " ") + w;
    int a = 0;
    int b = 0;
    if (verb == "tool" && words.size() == 1 && number(words[0], 0, boltik::editor::kTools - 1, a)) {
        return [a](EditRun& r) { r.editor.selectTool(a); };
    }
    if ((verb == "down" || verb == "move") && words.size() == 2 &&
        number(words[0], -32768, 32767, a) && number(words[1], -32768, 32767, b)) {
        const auto at = cellOf(a, b);
        if (verb == "down") return [at](EditRun& r) { r.editor.mouseDown(at, r.host); };
        return [at](EditRun& r) { r.editor.mouseMove(at, r.host); };
    }
    if (verb == "up" && words.empty()) return [](EditRun& r) { r.editor.mouseUp(); };
    if (verb == "kudasow" && words.size() == 1) {
        if (words[0] == "close") {
            return [](EditRun& r) { r.host.headings.push_back(std::nullopt); };
        }
        if (number(words[0], 0, boltik::editor::kCrawlerChoiceCount - 1, a)) {
            return [a](EditRun& r) { r.host.headings.push_back(a); };
        }
    }
    if (verb == "escape" && words.empty()) return [](EditRun& r) { r.editor.escape(); };
    if (verb == "new" && words.empty()) return [](EditRun& r) { r.editor.newLevel(); };
    if (verb == "undo" && words.empty()) return [](EditRun& r) { r.editor.undo(); };
    if (verb == "redo" && words.empty()) return [](EditRun& r) { r.editor.redo(); };
    if (verb == "load") {
        if (rest.empty()) return [](EditRun&) {};
        return [file = chosen(rest)](EditRun& r) { r.report(r.editor.load(file)); };
    }
    if (verb == "save") {
        if (rest.empty()) return [](EditRun&) {};
        return [file = chosen(rest)](EditRun& r) { r.report(r.editor.save(file)); };
    }
    why = "not understood: " + line;
    return std::nullopt;
}

void printState(std::ostream& out, const EditRun& r) {
    out << "bolts: " << r.editor.boltCaption() << '\n';
    if (const auto p = r.editor.player()) {
        out << "player: " << p->x << ' ' << p->y << '\n';
    } else {
        out << "player: none\n";
    }
    out << "pairing: " << (r.editor.pairingCell() ? "yes" : "no") << '\n';
    namespace layer = boltik::board::layer;
    for (int l : {layer::kCode, layer::kParamA, layer::kParamB})
        printLayer(out, r.editor.board(), l);
    for (const auto& m : r.messages)
        out << "message: " << m << '\n';
}

}  // namespace

int edit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string from;
    std::string script;
    const std::string problem =
        readOptions(args, 1, [&](const std::string& name, const std::string* value) {
            std::string& target = name == "--from" ? from : script;
            if (!value || (name != "--from" && name != "--script") || !target.empty()) return false;
            target = *value;
            return !target.empty();
        });
    if (!problem.empty()) return usageError(err, "edit", problem);
    if (script.empty()) return usageError(err, "edit", "--script is missing");
    std::ifstream in;
    std::string reason;
    if (!boltik::io::openRegularFile(script, in, reason)) {
        err << "turtool: cannot open the script " << script << ": " << reason << '\n';
        return 1;
    }
    std::vector<Step> steps;
    std::string line;
    for (int n = 1;; ++n) {
        const auto read = boltik::io::readLine(in, line, kLongestScriptComment);
        if (read == boltik::io::LineRead::End) break;
        std::string why;
        std::optional<Step> step;
        if (read == boltik::io::LineRead::TooLong) {
            why = "longer than " + std::to_string(kLongestScriptComment) + " characters";
        } else {
            line = line.substr(0, line.find('#'));
            if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
            if (line.size() > kLongestScriptLine) {
                why = "longer than " + std::to_string(kLongestScriptLine) + " characters";
            } else {
                step = parseLine(line, why);
            }
        }
        if (!step) {
            err << "turtool: " << script << ": line " << n << ": " << why << '\n';
            return 1;
        }
        steps.push_back(std::move(*step));
    }
    EditRun run;
    if (!from.empty()) run.report(run.editor.load(from));
    for (const Step& step : steps)
        step(run);
    printState(out, run);
    return 0;
}

}  // namespace turtool
