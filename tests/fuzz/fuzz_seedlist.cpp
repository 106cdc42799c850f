// Fuzzes the record of seeded files in the play directory. Whatever it holds: seeding a
// writable folder never fails, and a second seeding right after the first has nothing left
// to do.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "Fuzzing.h"
#include "core/playdir/PlayDirectory.h"

namespace {

using namespace boltik;
using fuzz::require;
namespace fs = std::filesystem;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto& scratch = fuzz::Scratch::get();
    const fs::path defaults = scratch.path() / "defaults";
    const fs::path play = scratch.path() / "play";
    std::error_code ignored;
    fs::remove_all(play, ignored);
    fs::create_directories(defaults);
    fs::create_directories(play);
    scratch.write("defaults/1.tur", "one");
    scratch.write("defaults/2.tur", "two");
    scratch.write("defaults/3.tur", "three, new");
    scratch.write("play/1.tur", "one");                // as seeded, or as the player had it
    scratch.write("play/2.tur", "two, the player's");  // changed by the player
    scratch.write("play/" + std::string(playdir::kSeedList),
                  {reinterpret_cast<const char*>(data), size});

    const playdir::SeedReport first = playdir::seed(defaults, play);
    require(first.ok() && first.failed.empty(), "seeding a writable folder succeeds");
    const playdir::SeedReport second = playdir::seed(defaults, play);
    require(second.added.empty() && second.updated.empty() && second.failed.empty(),
            "a second seeding has nothing left to do");
    return 0;
}
