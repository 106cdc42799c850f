// Looking up the row of a code.
#include "core/board/Codes.h"

#include <array>
#include <cstddef>
#include <limits>

namespace boltik::board {

namespace {

constexpr int kLowest = std::numeric_limits<int16_t>::min();
constexpr uint8_t kNoRow = 0xFF;

// The row of every 16-bit code, or kNoRow.
constexpr std::array<uint8_t, 65536> makeRowIndex() {
    std::array<uint8_t, 65536> rows{};
    rows.fill(kNoRow);
    for (std::size_t i = 0; i < std::size(kCodeTable); ++i)
        rows[static_cast<std::size_t>(kCodeTable[i].code - kLowest)] = static_cast<uint8_t>(i);
    return rows;
}

constexpr std::array<uint8_t, 65536> kRowIndex = makeRowIndex();
static_assert(std::size(kCodeTable) < kNoRow);

}  // namespace

CodeInfo info(int code) {
    if (code >= kLowest && code <= std::numeric_limits<int16_t>::max()) {
        const uint8_t row = kRowIndex[static_cast<std::size_t>(code - kLowest)];
        if (row != kNoRow) return kCodeTable[row];
    }
    const bool low = code < 100;
    return CodeInfo{
        static_cast<int16_t>(code), "unknown", 0, true, false, false, false, false, low, !low};
}

}  // namespace boltik::board
