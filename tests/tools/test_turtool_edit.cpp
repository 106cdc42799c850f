// turtool edit and turtool settings: the editor's rules and the settings reader through the
// tool, as level authors script them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ToolRun.h"
#include "core/io/Text.h"
#include "core/settings/Settings.h"
#include "support/Rig.h"

namespace {

using boltik::testing::levelFileText;
using boltik::testing::TempDir;
using boltik::testing::ToolRun;
using boltik::testing::turtool;

// Runs a script from a fresh editor (or one loaded from a file) and returns the output.
ToolRun edit(const TempDir& dir, const std::string& script, const std::string& from = "") {
    dir.write("script.txt", script);
    std::vector<std::string> args = {"edit"};
    if (!from.empty()) args.insert(args.end(), {"--from", from});
    args.insert(args.end(), {"--script", "script.txt"});
    return turtool(args);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

// Row y of layer 7, 8 or 9 in an edit output.
std::string row(const ToolRun& r, int layer, int y) {
    const auto l = lines(r.out);
    const std::size_t start = 3 + (layer - 7) * 13 + 1;
    return l.at(start + static_cast<std::size_t>(y));
}

TEST(TurtoolEdit, PrintsTheEditorAsItOpens) {
    TempDir dir;
    const ToolRun r = edit(dir, "# nothing\n\n");
    EXPECT_EQ(r.code, 0);
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 3u + 3 * 13);
    EXPECT_EQ(l[0], "bolts: 0");
    EXPECT_EQ(l[1], "player: none");
    EXPECT_EQ(l[2], "pairing: no");
    EXPECT_EQ(l[3], "layer 7:");
    EXPECT_EQ(l[4], "2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2");
    EXPECT_EQ(l[5], "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(l[16], "layer 8:");
    EXPECT_EQ(l[29], "layer 9:");
}

TEST(TurtoolEdit, BoltsPlayersAndOutsideTheSquares) {
    TempDir dir;
    const ToolRun r = edit(dir,
                           "tool 6\ndown 1 1\nmove 2 1\nmove 2 1\nmove 3 1\nup\n"  // 3 bolts
                           "down 2 1\nup\n"          // a bolt over a bolt
                           "tool 0\ndown 3 1\nup\n"  // erased
                           "tool 9\ndown 5 5\nup\ndown 5 5\nup\ndown 6 6\nup\n"
                           "tool 1\ndown 19 3\nmove 4 -1\nup\n");  // outside: nothing
    EXPECT_EQ(lines(r.out)[0], "bolts: 2");
    EXPECT_EQ(lines(r.out)[1], "player: 6 6");
    EXPECT_EQ(row(r, 7, 1), "2 7 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 5), "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 6), "2 0 0 0 0 0 1000 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 0), "2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2");
}

TEST(TurtoolEdit, CrawlerHeadingsFromKudaSow) {
    TempDir dir;
    const ToolRun r = edit(dir,
                           "tool 11\n"
                           "down 1 1\nup\n"  // no answer waiting: closed
                           "kudasow 0\ndown 2 1\nup\nkudasow 1\ndown 3 1\nup\n"
                           "kudasow 2\ndown 4 1\nup\nkudasow 3\ndown 5 1\nup\n"
                           "kudasow close\ndown 6 1\nmove 7 1\nup\n");  // the last choice
    EXPECT_EQ(row(r, 7, 1), "2 50 50 50 50 50 50 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 8, 1), "0 0 0 2 0 2 2 0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(row(r, 9, 1), "0 0 1 1 3 3 3 0 0 0 0 0 0 0 0 0 0 0 0");
}

TEST(TurtoolEdit, TeleporterPairsSelfLinksAndEscape) {
    TempDir dir;
    const ToolRun r = edit(dir,
                           "tool 6\ndown 9 9\nup\n"
                           "tool 13\ndown 2 2\nup\nmove 9 9\ndown 9 9\nup\n"  // onto a bolt
                           "down 4 4\nup\ndown 4 4\nup\n"                     // itself
                           "down 6 6\nup\nescape\n"                           // given up
                           "down 8 3\nup\n");                                 // waiting
    EXPECT_EQ(lines(r.out)[0], "bolts: 0");
    EXPECT_EQ(lines(r.out)[2], "pairing: yes");
    EXPECT_EQ(row(r, 7, 2), "2 0 13 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 8, 2), "0 0 9 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(row(r, 9, 9), "0 0 0 0 0 0 0 0 0 2 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(row(r, 8, 4), "0 0 0 0 4 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(row(r, 7, 6), "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 3), "2 0 0 0 0 0 0 0 13 0 0 0 0 0 0 0 0 0 2");
}

TEST(TurtoolEdit, NewLoadAndSave) {
    TempDir dir;
    dir.write("guns.tur", levelFileText({{"#####", "#Pv^#", "#*..#", "#####"}, {}, "1"}));
    const ToolRun kept = edit(dir, "save copy\nnew\nload copy.tur\n", "guns.tur");
    EXPECT_EQ(lines(kept.out)[0], "bolts: 1");
    EXPECT_EQ(lines(kept.out)[1], "player: 1 1");
    EXPECT_EQ(row(kept, 7, 1), "2 1000 10 11 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2");
    EXPECT_EQ(dir.read("copy.tur"), dir.read("guns.tur"));
    const ToolRun fresh = edit(dir, "new\n", "guns.tur");
    EXPECT_EQ(lines(fresh.out)[0], "bolts: 0");
    EXPECT_EQ(lines(fresh.out)[1], "player: none");
    const ToolRun cancelled = edit(dir, "load\nsave\n", "guns.tur");
    EXPECT_EQ(row(cancelled, 7, 1), row(kept, 7, 1));
}

TEST(TurtoolEdit, UndoAndRedo) {
    TempDir dir;
    const ToolRun r = edit(dir,
                           "tool 6\ndown 1 1\nmove 2 1\nup\n"  // one stroke, two bolts
                           "tool 9\ndown 5 5\nup\nundo\nundo\nredo\n"
                           "tool 13\ndown 7 7\nundo\n"       // the pairing given up
                           "tool 2\ndown 3 3\nup\nredo\n");  // a change: nothing to redo
    EXPECT_EQ(lines(r.out)[0], "bolts: 2");
    EXPECT_EQ(lines(r.out)[1], "player: none");
    EXPECT_EQ(lines(r.out)[2], "pairing: no");
    EXPECT_EQ(row(r, 7, 1), "2 7 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 3), "2 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 5), "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(row(r, 7, 7), "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
}

TEST(TurtoolEdit, FailedLoadAndSaveAreMessages) {
    TempDir dir;
    dir.write("short.tur", "0\r\n2\r\n");
    std::filesystem::create_directory("taken.tur.part");
    const ToolRun r = edit(dir, "tool 2\ndown 3 3\nup\nload short\nsave taken\n");
    const auto l = lines(r.out);
    EXPECT_EQ(row(r, 7, 3), "2 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[l.size() - 2], "message: !!!");
    EXPECT_EQ(l.back(), "message: Не удалось записать файл taken.tur: на этом месте папка");
}

TEST(TurtoolEdit, ABadLineIsNamed) {
    TempDir dir;
    for (const char* bad :
         {"tool 14", "down 1", "kudasow 4", "jump", "up now", "tool x", "undo 2"}) {
        const ToolRun r = edit(dir, std::string("tool 1\n# fine\n") + bad + "\n");
        EXPECT_EQ(r.code, 1) << bad;
        EXPECT_EQ(r.err, std::string("turtool: script.txt: line 3: not understood: ") + bad + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(turtool({"edit", "--from", "x.tur"}).code, 2);

    // Cut to its first thousand characters, this line would read as a plain "tool 1".
    const ToolRun cut =
        edit(dir, "# " + std::string(3000, '-') + "\ntool 1" + std::string(1500, ' ') + "9\n");
    EXPECT_EQ(cut.code, 1);
    EXPECT_EQ(cut.err, "turtool: script.txt: line 2: longer than 1000 characters\n");
}

// The settings file with value line n replaced.
std::string settingsWith(int n, const std::string& value) {
    std::string text = boltik::settings::settingsText(boltik::settings::defaultSettings());
    std::vector<std::string> l;
    std::istringstream in(text);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    l[n - 1] = boltik::io::utf8ToCp1251(value) + "\r";
    std::string out;
    for (const auto& s : l)
        out += s + "\n";
    return out;
}

TEST(TurtoolSettings, ReadsAsTheMenuDoes) {
    TempDir dir;
    dir.write("default.ini", boltik::settings::settingsText(boltik::settings::defaultSettings()));
    EXPECT_EQ(turtool({"settings", "default.ini"}).out,
              "editor: no\nbackground: def\nheader: def\nicon: def\ncaption: \"Меню\"\n"
              "buttons: \"Игра\" \"Редактор\" \"Выход\"\n");
    struct Case {
        int line;
        std::string value, shown;
    };
    const Case kCases[] = {
        {3, "hide", "editor: hide"},
        {3, "Пароль \"1\"", "editor: password \"Пароль \"\"1\"\"\""},
        {3, "", "editor: password \"\""},
        {6, "def ", "background: file \"def \""},
        {6, "DEF", "background: file \"DEF\""},
        {6, "no", "background: no"},
        {8, "fon.bmp", "header: file \"fon.bmp\""},
        {10, "no", "icon: file \"no\""},
        {12, "Главное", "caption: \"Главное\""},
    };
    for (const Case& c : kCases) {
        dir.write("s.ini", settingsWith(c.line, c.value));
        const ToolRun r = turtool({"settings", "s.ini"});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(lines(r.out).at(c.line == 3    ? 0
                                  : c.line == 6  ? 1
                                  : c.line == 8  ? 2
                                  : c.line == 10 ? 3
                                                 : 4),
                  c.shown);
    }
}

TEST(TurtoolSettings, ShortOrMissingFilesAreErrors) {
    TempDir dir;
    std::string text = boltik::settings::settingsText(boltik::settings::defaultSettings());
    dir.write("short.ini", text.substr(0, text.rfind("\r\n", text.size() - 3) + 2));
    const ToolRun r = turtool({"settings", "short.ini"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "error: it has 17 lines, not 18\n");
    EXPECT_EQ(turtool({"settings", "none.ini"}).out, "error: cannot open the file\n");
    // LF line ends and comments replaced read the same.
    std::string lf;
    for (char c : text) {
        if (c != '\r') lf += c;
    }
    lf.replace(0, lf.find('\n'), "anything");
    dir.write("lf.ini", lf);
    dir.write("crlf.ini", text);
    EXPECT_EQ(turtool({"settings", "lf.ini"}).out, turtool({"settings", "crlf.ini"}).out);
}

}  // namespace
