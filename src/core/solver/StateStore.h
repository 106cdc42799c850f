// The solver's store of states: each packed state kept once, with the state it was first
// reached from and the input that led there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace boltik::solver {

// The states found, each packed once, with the state it was first reached from and the input
// that led there. A state's number is its place in the order found.
class StateStore {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    // Keeps the packed state unless an equal one is kept already. Returns the state's number
    // and whether it was new.
    std::pair<uint32_t, bool> add(std::span<const uint8_t> bytes, uint32_t parent, uint8_t input) {
        return add(bytes, hash(bytes), parent, input);
    }
    // The same with the bytes' hash, which another thread may have worked out.
    std::pair<uint32_t, bool> add(std::span<const uint8_t> bytes, uint64_t hashed, uint32_t parent,
                                  uint8_t input);
    static uint64_t hash(std::span<const uint8_t> bytes);
    // A shorter way to a state kept already.
    void reroute(uint32_t id, uint32_t parent, uint8_t input) {
        parents_[id] = parent;
        inputs_[id] = input;
    }
    std::span<const uint8_t> bytes(uint32_t id) const {
        const uint64_t at = places_[id];
        const uint8_t* start = blocks_[at >> 32].get() + (at & 0xFFFFFFFF);
        uint16_t size = 0;
        std::memcpy(&size, start, sizeof size);
        return {start + sizeof size, size};
    }
    std::size_t size() const { return parents_.size(); }
    uint32_t parent(uint32_t id) const { return parents_[id]; }
    uint8_t input(uint32_t id) const { return inputs_[id]; }

private:
    // Blocks are never moved, so a growing store does not need twice its memory for a while.
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 22;

    void store(std::span<const uint8_t> bytes);
    void grow();

    std::vector<std::unique_ptr<uint8_t[]>> blocks_;
    std::size_t used_ = kBlockBytes;  // of the last block
    std::vector<uint64_t> places_;    // block << 32 | offset of each state's bytes
    std::vector<uint32_t> parents_;
    std::vector<uint8_t> inputs_;
    // Open addressing: the low 32 bits of a state's hash << 32 | its number + 1; 0 is free.
    std::vector<uint64_t> slots_ = std::vector<uint64_t>(std::size_t{1} << 16);
};

}  // namespace boltik::solver
