// The solver's store of states.
#include "core/solver/StateStore.h"

#include <algorithm>
#include <stdexcept>

namespace boltik::solver {

uint64_t StateStore::hash(std::span<const uint8_t> bytes) {
    uint64_t h = 0x9E3779B97F4A7C15ull ^ bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t k = 0;
        std::memcpy(&k, bytes.data() + i, 8);
        h = (h ^ k) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, bytes.data() + i, bytes.size() - i);
    h = (h ^ tail) * 0x94D049BB133111EBull;
    h ^= h >> 29;
    h *= 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 32);
}

std::pair<uint32_t, bool> StateStore::add(std::span<const uint8_t> bytes, uint64_t hashed,
                                          uint32_t parent, uint8_t input) {
    const uint64_t tag = hashed & 0xFFFFFFFF;
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = tag & mask;
    for (; slots_[i] != 0; i = (i + 1) & mask) {
        if (slots_[i] >> 32 != tag) continue;
        const auto id = static_cast<uint32_t>((slots_[i] & 0xFFFFFFFF) - 1);
        const auto kept = this->bytes(id);
        if (std::equal(kept.begin(), kept.end(), bytes.begin(), bytes.end())) return {id, false};
    }
    const auto id = static_cast<uint32_t>(parents_.size());
    slots_[i] = tag << 32 | (id + 1);
    store(bytes);
    parents_.push_back(parent);
    inputs_.push_back(input);
    if (parents_.size() * 10 > slots_.size() * 7) grow();
    return {id, true};
}

void StateStore::store(std::span<const uint8_t> bytes) {
    // A packed state holds at most a few bytes for each cell of the board.
    if (bytes.size() > UINT16_MAX) throw std::length_error("a packed state is too long");
    const uint16_t size = static_cast<uint16_t>(bytes.size());
    if (used_ + sizeof size + size > kBlockBytes) {
        blocks_.push_back(std::make_unique<uint8_t[]>(kBlockBytes));
        used_ = 0;
    }
    uint8_t* at = blocks_.back().get() + used_;
    std::memcpy(at, &size, sizeof size);
    std::memcpy(at + sizeof size, bytes.data(), size);
    places_.push_back(static_cast<uint64_t>(blocks_.size() - 1) << 32 | used_);
    used_ += sizeof size + size;
}

void StateStore::grow() {
    std::vector<uint64_t> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (uint64_t slot : old) {
        if (slot == 0) continue;
        std::size_t i = (slot >> 32) & mask;
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

}  // namespace boltik::solver
