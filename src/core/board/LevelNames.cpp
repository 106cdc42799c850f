// Level file names.
#include "core/board/LevelNames.h"

#include <limits>

#include "core/io/Text.h"

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
    int64_t number = io::leadingNumber(current);
    if (number < std::numeric_limits<int64_t>::max()) ++number;
    return std::to_string(number) + ".tur";
}

bool isBareFileName(std::string_view name) {
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

}  // namespace boltik::board
