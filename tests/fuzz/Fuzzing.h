// What the fuzz targets share: the check that stops a run when a reader breaks one of its
// promises, and a private folder for the readers that take a file name.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace boltik::fuzz {

// Stops the process when a promise does not hold: libFuzzer reports it as a crash with the
// input that caused it, and the corpus replay test fails.
inline void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

// A folder of its own under the system's temporary folder, made at the first use and removed
// when the process ends normally. One a process: libFuzzer runs its inputs one at a time.
class Scratch {
public:
    static Scratch& get() {
        static Scratch scratch;
        return scratch;
    }

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes to the file of that name in the folder; returns its full path.
    std::string write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        require(static_cast<bool>(out), "the scratch file can be written");
        return file.string();
    }

    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

private:
    Scratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "boltik-fuzz-XXXXXX").string();
        require(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::filesystem::path path_;
};

}  // namespace boltik::fuzz
