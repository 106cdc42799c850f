// A counter shown beside the board: its caption text is the value.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/io/Text.h"

namespace boltik::board {

// The caption is kept exactly as written ("007" stays "007" until changed); arithmetic uses
// the caption's leading number and writes the result back as plain decimal text.
class Counter {
public:
    explicit Counter(std::string caption) { setCaption(std::move(caption)); }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) {
        caption_ = std::move(caption);
        zero_ = caption_ == "0";
    }

    int64_t value() const { return io::leadingNumber(caption_); }
    void setValue(int64_t value) { setCaption(std::to_string(value)); }
    void add(int64_t delta) { setValue(value() + delta); }

    // The capsule opens only when the caption is exactly "0", not merely worth 0. The main
    // loop asks at every cell step, so the answer is kept with the caption.
    bool readsZero() const { return zero_; }

private:
    std::string caption_;
    bool zero_ = false;
};

}  // namespace boltik::board
