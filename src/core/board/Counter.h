// A counter shown beside the board: its caption text is the value.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/board/Text.h"

namespace boltik::board {

// The caption is kept exactly as written ("007" stays "007" until changed); arithmetic uses
// the caption's leading number and writes the result back as plain decimal text.
class Counter {
public:
    explicit Counter(std::string caption) : caption_(std::move(caption)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

    int64_t value() const { return leadingNumber(caption_); }
    void setValue(int64_t value) { caption_ = std::to_string(value); }
    void add(int64_t delta) { setValue(value() + delta); }

    // The capsule opens only when the caption is exactly "0", not merely worth 0.
    bool readsZero() const { return caption_ == "0"; }

private:
    std::string caption_;
};

}  // namespace boltik::board
