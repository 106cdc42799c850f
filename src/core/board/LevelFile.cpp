// Reading and writing level files and the counter file.
#include "core/board/LevelFile.h"

#include <fstream>
#include <limits>

#include "core/io/Files.h"
#include "core/io/Text.h"

namespace boltik::board {

namespace {

const char* const kCrLf = "\r\n";

// The longest line of a level or counter file; a longer one is refused whole.
constexpr std::size_t kLongestLine = 256;

// Reads line lineNo whole; fills the failure fields of result when it cannot.
bool readWholeLine(std::istream& in, int lineNo, std::string& line, LevelReadResult& result,
                   const char* missing) {
    switch (io::readLine(in, line, kLongestLine)) {
        case io::LineRead::Whole:
            return true;
        case io::LineRead::TooLong:
            result.reason =
                "the line is longer than " + std::to_string(kLongestLine) + " characters";
            break;
        case io::LineRead::End:
            result.reason = missing;
            break;
    }
    result.failedLine = lineNo;
    return false;
}

// Reads one line as a 16-bit value; fills the failure fields of result when it cannot.
bool readValue(std::istream& in, int lineNo, int16_t& value, LevelReadResult& result) {
    std::string line;
    if (!readWholeLine(in, lineNo, line, result, "the file ends before this line")) return false;
    int64_t number = 0;
    if (!io::parseInteger(line, number) || number < std::numeric_limits<int16_t>::min() ||
        number > std::numeric_limits<int16_t>::max()) {
        result.failedLine = lineNo;
        result.reason = "not a number from -32768 to 32767: \"" + io::cp1251ToUtf8(line) + "\"";
        return false;
    }
    value = static_cast<int16_t>(number);
    return true;
}

}  // namespace

LevelReadResult readLevel(std::istream& in, Board& board, int lastCol, int lastRow) {
    LevelReadResult result;
    io::skipByteOrderMark(in);
    int lineNo = 0;
    for (int x = 0; x <= lastCol; ++x) {
        for (int y = 0; y <= lastRow; ++y) {
            for (int l = layer::kShotDir; l <= layer::kParamB; ++l) {
                int16_t value = 0;
                if (!readValue(in, ++lineNo, value, result)) return result;
                board.set(x, y, l, value);
                if (l == layer::kCode && value == code::kPlayer) {
                    result.playerFound = true;
                    result.playerX = x;
                    result.playerY = y;
                }
            }
        }
    }
    std::string line;
    if (!readWholeLine(in, lineNo + 1, line, result, "the bolt count is missing")) return result;
    result.boltLine = io::cp1251ToUtf8(line);
    result.ok = true;
    return result;
}

LevelReadResult readLevelFile(const std::string& path, Board& board, int lastCol, int lastRow) {
    std::ifstream in;
    LevelReadResult result;
    if (!io::openRegularFile(path, in, result.reason)) return result;
    return readLevel(in, board, lastCol, lastRow);
}

std::string levelText(const Board& board, int64_t boltCount) {
    std::string text;
    text.reserve(kLevelLines * 4);
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            text += "0";
            text += kCrLf;
            for (int l = layer::kCode; l <= layer::kParamB; ++l) {
                text += std::to_string(board.at(x, y, l));
                text += kCrLf;
            }
        }
    }
    text += std::to_string(boltCount);
    text += kCrLf;
    return text;
}

io::WriteResult writeLevelFile(const std::string& path, const Board& board, int64_t boltCount) {
    return io::writeFileAtomically(path, levelText(board, boltCount));
}

int32_t readCounterFile(const std::string& path) {
    std::ifstream in;
    std::string reason;
    std::string line;
    int64_t value = 0;
    if (!io::openRegularFile(path, in, reason) ||
        io::readLine(in, line, kLongestLine) != io::LineRead::Whole ||
        !io::parseInteger(line, value)) {
        return 0;
    }
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        return 0;
    }
    return static_cast<int32_t>(value);
}

std::string counterFileText(int32_t bigCycles) {
    return std::to_string(bigCycles) + kCrLf +
           io::utf8ToCp1251(" столько больших циклов обработала программа") + kCrLf;
}

io::WriteResult writeCounterFile(int32_t bigCycles, const std::string& path) {
    return io::writeFileAtomically(path, counterFileText(bigCycles));
}

}  // namespace boltik::board
