// Russian plural forms.
#include "qt/Words.h"

namespace boltik::qt {

QString counted(long long n, const char* one, const char* few, const char* many) {
    const long long abs = n < 0 ? -n : n;
    const long long tens = abs % 100;
    const long long ones = abs % 10;
    const char* word = many;
    if (tens < 11 || tens > 14) {
        if (ones == 1) {
            word = one;
        } else if (ones >= 2 && ones <= 4) {
            word = few;
        }
    }
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

QString cyclesText(long long n) {
    return counted(n, "цикл", "цикла", "циклов");
}

}  // namespace boltik::qt
