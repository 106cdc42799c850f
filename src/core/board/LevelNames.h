// How level file names are made: from the chooser's text box, and for the next level.
#pragma once

#include <string>
#include <string_view>

namespace boltik::board {

// The chooser's rule: ".tur" is appended unless the text ends in exactly ".tur"
// (case-sensitive); a text shorter than four characters always gets it.
std::string chooserFileName(const std::string& typed);

// The level after "N.tur": the leading number of the name plus one, then ".tur".
// A name without leading digits counts as 0, so its successor is "1.tur".
std::string nextLevelName(const std::string& current);

// Whether a file name stands for a file in the folder it is looked up in, and nowhere else:
// not empty, no path separator ('/' or '\\'), no "..", no NUL or other control character.
// A recording from somebody else names its level so.
bool isBareFileName(std::string_view name);

}  // namespace boltik::board
