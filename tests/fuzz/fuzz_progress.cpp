// Fuzzes the reader of the progress marks. Whatever the bytes: every level it keeps has a name
// and a best of no negative numbers; a too-long line is named, never kept in part; and what it
// saves reads back as the same marks.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Fuzzing.h"
#include "core/progress/Progress.h"

namespace {

using namespace boltik;
using fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto& scratch = fuzz::Scratch::get();
    const std::string file = scratch.write("progress", {reinterpret_cast<const char*>(data), size});
    const progress::Progress p = progress::Progress::load(file);
    for (const auto& [name, best] : p.levels()) {
        require(!name.empty() && name.size() < 4096, "a level's name is whole and not empty");
        require(best.cycles >= 0 && best.livesLost >= 0, "a best is never negative");
    }
    const std::string saved = (scratch.path() / "saved").string();
    require(static_cast<bool>(p.save(saved)), "the marks can be saved");
    const progress::Progress again = progress::Progress::load(saved);
    require(again.levels() == p.levels() && again.problems().empty(),
            "saved marks read back as they were");
    return 0;
}
