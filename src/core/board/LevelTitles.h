// The titles of levels, shown beside their files in the level chooser, read from a titles file.
#pragma once

#include <istream>
#include <map>
#include <string>

namespace boltik::board {

// The titles file shipped with the levels, in the play directory.
inline constexpr const char* kTitlesFile = "names.txt";

// The longest line of a titles file that is read; a longer one is skipped.
inline constexpr std::size_t kLongestTitleLine = 200;

// Level file name -> its title, in UTF-8.
using LevelTitles = std::map<std::string, std::string>;

// Reads a titles file in code page 1251: a line "FILE TITLE" gives the level file FILE (a bare
// name such as "7.tur") the title TITLE, the rest of the line without the blanks around it.
// Blank lines and lines starting with '#' are comments. A bad line (no title, a file name
// that is not bare, a control character, too long) is skipped; for a file named twice the
// first line counts.
LevelTitles readLevelTitles(std::istream& in);

// The same from a file; a missing or unreadable file gives no titles, never an error.
LevelTitles readLevelTitles(const std::string& path = kTitlesFile);

}  // namespace boltik::board
