// Small text rules shared by counters and level names, and the code page 1251 conversion.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace boltik::io {

// The numeric value of the leading part of a text: blanks are skipped, then an optional
// sign and decimal digits are read. A text without leading digits counts as 0
// ("007" is 7, "5.tur" is 5, "abc" is 0). Values beyond 64 bits saturate.
int64_t leadingNumber(std::string_view text);

// Parses a whole line as a decimal integer, allowing blanks around it. Returns false for
// anything else (empty, fractions, trailing text, out of the 64-bit range).
bool parseInteger(std::string_view text, int64_t& value);
// The same, and the value must also lie within low..high, both included. On false, value is
// left as it was.
bool parseInteger(std::string_view text, int64_t low, int64_t high, int64_t& value);

// Code page 1251 <-> UTF-8. Bytes or characters with no counterpart become '?'.
std::string cp1251ToUtf8(std::string_view bytes);
std::string utf8ToCp1251(std::string_view text);

}  // namespace boltik::io
