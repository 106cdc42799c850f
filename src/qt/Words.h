// Numbers with the words they count, in the Russian forms: 1 цикл, 2 цикла, 5 циклов.
#pragma once

#include <QString>

namespace boltik::qt {

// The number and the form of the word for it: `one` after 1, 21, 31…; `few` after 2–4, 22–24…;
// `many` after 0, 5–20, 25–30… (11–14 take `many`).
QString counted(long long n, const char* one, const char* few, const char* many);

// "1 цикл", "2 цикла", "5 циклов".
QString cyclesText(long long n);

}  // namespace boltik::qt
