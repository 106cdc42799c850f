// File helpers of the rules core: whole-file atomic writes and capped line reading.
#pragma once

#include <fstream>
#include <istream>
#include <string>
#include <string_view>

namespace boltik::board {

// How a write ended: ok, or the reason it failed, in words for the user (Russian, UTF-8).
struct WriteResult {
    bool ok = true;
    std::string reason;
    explicit operator bool() const { return ok; }
};

// Writes the bytes to a temporary file beside path and renames it into place, so a failure
// never leaves a truncated file: on failure any old file is left as it was.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

// A checksum of bytes, to tell one version of a file from another: FNV-1a, 64 bits, in
// hexadecimal.
std::string checksumOf(std::string_view bytes);

// The reason for a failed file operation with the given errno value, in Russian.
std::string describeFileError(int errorNumber);

// Opens a file for reading only when it is a regular file (after links): a directory, a pipe
// or a device named like a level would otherwise fail late, wait for a writer, or never end.
// On failure `in` is left closed and the reason is given in English, for tools.
bool openRegularFile(const std::string& path, std::ifstream& in, std::string& reason);

// Skips a UTF-8 byte order mark at the start of a stream, which some text editors write.
void skipByteOrderMark(std::istream& in);

// Reads one line without its CR LF or LF ending. Lines longer than maxLength are read to
// their end but returned cut to maxLength + 1 characters, so a caller knows a cut line by
// its length; one that parses numbers must refuse it, as a cut line can look like a number.
// Returns false at the end of the stream when no line was left.
bool readLine(std::istream& in, std::string& line, std::size_t maxLength = 256);

}  // namespace boltik::board
