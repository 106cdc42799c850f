// The main of a fuzz target in the normal test build: feeds every file of the folders (or the
// files) named on the command line to the target, as libFuzzer replays its corpus, so the
// inputs kept in tests/fuzz/corpus are run by every test build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsNamed(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        // Absolute: a target may change the current folder (the game plays in its own).
        const fs::path named = fs::absolute(argv[i]);
        if (!fs::is_directory(named)) {
            inputs.push_back(named);
            continue;
        }
        for (const auto& entry : fs::directory_iterator(named)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<fs::path> inputs = inputsNamed(argc, argv);
    // An empty or misnamed corpus folder must not pass for a replayed one.
    if (inputs.empty()) {
        std::cerr << "usage: " << argv[0] << " FOLDER|FILE...: no input found\n";
        return 2;
    }
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << input << '\n';
            return 2;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        // Named before it runs, so a crash or a broken promise points at its input.
        std::cout << input.filename().string() << " (" << bytes.size() << " bytes)" << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << "replayed " << inputs.size() << " inputs\n";
    return 0;
}
