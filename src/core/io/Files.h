// File helpers of the rules core: whole-file atomic writes and reading whole lines.
#pragma once

#include <fstream>
#include <istream>
#include <string>
#include <string_view>

namespace boltik::io {

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

// How reading one line ended.
enum class LineRead {
    Whole,    // the line, without its CR LF or LF ending
    TooLong,  // longer than the reader's limit: read to its end, but none of it is given
    End,      // the stream had no line left
};

// Reads one line. Every text file the program and its tools read comes through here, so that
// no reader ever takes the first part of an overlong line for the whole of it: cut, blanks
// and a digit pass for a number, and "at 5 press up" followed by blanks passes for an input.
// A too-long line leaves `line` empty; the stream is then at the start of the next line.
LineRead readLine(std::istream& in, std::string& line, std::size_t maxLength);

// What a reader says of a too-long line: "line N is longer than M characters".
std::string lineTooLong(int lineNumber, std::size_t maxLength);

}  // namespace boltik::io
