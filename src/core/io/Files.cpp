// Atomic whole-file writes and reading whole lines.
#include "core/io/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace boltik::io {

std::string checksumOf(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string describeFileError(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return "нет прав на запись";
        case EROFS:
            return "диск доступен только для чтения";
        case ENOSPC:
        case EDQUOT:
            return "на диске нет места";
        case EISDIR:
            return "на этом месте папка";
        case ENOENT:
        case ENOTDIR:
            return "папки нет";
        case ENAMETOOLONG:
            return "слишком длинное имя";
        default:
            return std::string("ошибка записи: ") + std::strerror(errorNumber);
    }
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".part";
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return {false, describeFileError(errno ? errno : EACCES)};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int error = errno ? errno : EIO;
            out.close();
            std::remove(temp.c_str());
            return {false, describeFileError(error)};
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::remove(temp.c_str());
        return {false, describeFileError(error.value())};
    }
    return {};
}

bool openRegularFile(const std::string& path, std::ifstream& in, std::string& reason) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        reason = "cannot open the file";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        reason =
            std::filesystem::is_directory(status) ? "a folder, not a file" : "not a regular file";
        return false;
    }
    in.open(path, std::ios::binary);
    if (!in) {
        reason = "cannot open the file";
        return false;
    }
    return true;
}

void skipByteOrderMark(std::istream& in) {
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    for (int i = 0; i < 3; ++i) {
        if (in.peek() != static_cast<unsigned char>(kMark[i])) {
            // Not a mark after all: put back what was taken.
            for (int j = 0; j < i; ++j)
                in.unget();
            return;
        }
        in.get();
    }
}

LineRead readLine(std::istream& in, std::string& line, std::size_t maxLength) {
    using Traits = std::char_traits<char>;
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (!buffer || !in.good()) {
        in.setstate(std::ios::failbit);
        return LineRead::End;
    }
    // Straight from the buffer: a line of a hundred megabytes is passed over quickly.
    bool any = false;
    bool tooLong = false;
    for (Traits::int_type c = buffer->sbumpc();; c = buffer->sbumpc()) {
        if (Traits::eq_int_type(c, Traits::eof())) {
            in.setstate(any ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
            break;
        }
        any = true;
        if (c == '\n') break;
        if (tooLong) continue;
        // One character more than the limit is kept for a while: it may be the CR of the
        // line's own end.
        line += Traits::to_char_type(c);
        if (line.size() > maxLength + 1 || (line.size() == maxLength + 1 && line.back() != '\r')) {
            tooLong = true;
            line.clear();
        }
    }
    if (!any) return LineRead::End;
    if (tooLong) return LineRead::TooLong;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::Whole;
}

std::string lineTooLong(int lineNumber, std::size_t maxLength) {
    return "line " + std::to_string(lineNumber) + " is longer than " + std::to_string(maxLength) +
           " characters";
}

}  // namespace boltik::io
