// Level file names.
#include "core/board/LevelNames.h"

#include <limits>

#include "core/board/Text.h"

namespace boltik::board {

std::string chooserFileName(const std::string& typed) {
    const std::string ext = ".tur";
    if (typed.size() >= ext.size() &&
        typed.compare(typed.size() - ext.size(), ext.size(), ext) == 0) {
        return typed;
    }
    return typed + ext;
}

std::string nextLevelName(const std::string& current) {
    int64_t number = leadingNumber(current);
    if (number < std::numeric_limits<int64_t>::max()) ++number;
    return std::to_string(number) + ".tur";
}

}  // namespace boltik::board
