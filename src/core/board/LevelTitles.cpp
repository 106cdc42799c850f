// Reading the titles file of the levels.
#include "core/board/LevelTitles.h"

#include <fstream>
#include <string_view>

#include "core/board/LevelNames.h"
#include "core/io/Files.h"
#include "core/io/Text.h"

namespace boltik::board {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool hasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

LevelTitles readLevelTitles(std::istream& in) {
    LevelTitles titles;
    std::string line;
    for (;;) {
        const io::LineRead read = io::readLine(in, line, kLongestTitleLine);
        if (read == io::LineRead::End) break;
        if (read == io::LineRead::TooLong) continue;
        const std::string_view text = trimmed(line);
        if (text.empty() || text.front() == '#') continue;
        std::size_t blank = 0;
        while (blank < text.size() && !isBlank(text[blank]))
            ++blank;
        const std::string_view file = text.substr(0, blank);
        const std::string_view title = trimmed(text.substr(blank));
        // A tab inside the title is a control character too: the title is one plain line.
        if (title.empty() || !isBareFileName(file) || hasControlCharacter(title)) continue;
        titles.emplace(std::string(file), io::cp1251ToUtf8(title));
    }
    return titles;
}

LevelTitles readLevelTitles(const std::string& path) {
    std::ifstream in;
    std::string reason;
    if (!io::openRegularFile(path, in, reason)) return {};
    return readLevelTitles(in);
}

}  // namespace boltik::board
