// Fuzzes the reader of the counter file kilometrach.txt. Whatever the bytes: it gives the
// number of the first line or 0, never more than that line says; the counter file written
// with that number reads back as it; and the first line's whole-line number agrees with the
// leading-number rule of the counters.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Fuzzing.h"
#include "core/board/LevelFile.h"
#include "core/io/Text.h"

namespace {

using namespace boltik::board;
using boltik::fuzz::require;

// The first line as a reader sees it: up to the first LF, without a CR before it.
std::string_view firstLine(std::string_view bytes) {
    std::string_view line = bytes.substr(0, bytes.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto& scratch = boltik::fuzz::Scratch::get();
    const int32_t count = readCounterFile(scratch.write("kilometrach.txt", bytes));

    const std::string_view line = firstLine(bytes);
    int64_t whole = 0;
    const bool number = boltik::io::parseInteger(line, whole);
    require(!number || boltik::io::leadingNumber(line) == whole,
            "a line that is a number starts with that number");
    require(count == 0 || (number && whole == count),
            "the counter is the number its first line holds, or 0");

    const std::string written = (scratch.path() / "written.txt").string();
    require(
        static_cast<bool>(writeCounterFile(count, written)) && readCounterFile(written) == count,
        "the counter file written with a count reads back as that count");
    return 0;
}
