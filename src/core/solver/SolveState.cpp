// Reading, writing and packing the solver's states.
#include "core/solver/SolveState.h"

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>

#include "core/board/Rules.h"

namespace boltik::solver {

using namespace boltik::board;
using boltik::game::Context;
using boltik::game::FlashState;

namespace {

// The state layers of the table of codes, by code: the codec looks them up for every cell of
// every state, in the solver's busiest loops. Every code of the table lies in 0..kPlayer.
constexpr std::array<StateLayers, code::kPlayer + 1> kStateByCode = [] {
    std::array<StateLayers, code::kPlayer + 1> byCode{};
    for (const CodeInfo& row : kCodeTable)
        byCode.at(static_cast<std::size_t>(row.code)) = row.state;
    return byCode;
}();

// A cell keeps as many state layers as CellState has room for.
static_assert(std::ranges::all_of(kStateByCode, [](const StateLayers& s) {
    return s.count <= static_cast<int>(std::size(CellState{}.extra));
}));

// A code without a row keeps none.
StateLayers stateOf(int c) {
    return c >= 0 && c <= code::kPlayer ? kStateByCode[static_cast<std::size_t>(c)] : kNoState;
}

// The rules only ever store 0 and 1 in the request flags.
uint16_t packRequests(const Requests& r) {
    uint16_t bits = 0;
    for (Dir d : kAllDirs) {
        const int i = index(d);
        bits |= static_cast<uint16_t>((r.key[d] != 0) << i | (r.fire[d] != 0) << (4 + i) |
                                      r.fresh[d] << (8 + i) | r.held[d] << (12 + i));
    }
    return bits;
}

void unpackRequests(uint16_t bits, Requests& r) {
    for (Dir d : kAllDirs) {
        const int i = index(d);
        r.key[d] = (bits >> i) & 1;
        r.fire[d] = (bits >> (4 + i)) & 1;
        r.fresh[d] = (bits >> (8 + i)) & 1;
        r.held[d] = (bits >> (12 + i)) & 1;
    }
}

bool ringIsWall(const Board& b, const World& w) {
    for (int x = 0; x <= w.lastCol; ++x) {
        for (int y = 0; y <= w.lastRow; ++y) {
            const bool ring = onRing(x, y, w.lastCol, w.lastRow);
            if (ring && b.code(x, y) != code::kWall) return false;
        }
    }
    return true;
}

// Equality of two cells in one comparison: the sweeps over every cell are the solver's
// busiest loops after the rules themselves.
bool same(const CellState& a, const CellState& b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

uint32_t zigzag(int v) {
    return (static_cast<uint32_t>(v) << 1) ^ static_cast<uint32_t>(v >> 31);
}

int16_t unzigzag(uint32_t v) {
    return static_cast<int16_t>(static_cast<int32_t>(v >> 1) ^ -static_cast<int32_t>(v & 1));
}

void putNumber(std::vector<uint8_t>& out, uint32_t v) {
    while (v >= 0x80) {
        out.push_back(static_cast<uint8_t>(v | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<uint8_t>(v));
}

void putText(std::vector<uint8_t>& out, const std::string& text) {
    putNumber(out, static_cast<uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Reads back what putNumber and putText wrote.
struct Reader {
    const uint8_t* at;
    const uint8_t* end;

    uint32_t number() {
        uint32_t v = 0;
        for (int shift = 0; at != end; shift += 7) {
            const uint8_t byte = *at++;
            v |= static_cast<uint32_t>(byte & 0x7F) << shift;
            if (byte < 0x80) break;
        }
        return v;
    }
    void text(std::string& t) {
        const std::size_t n = std::min<std::size_t>(number(), static_cast<std::size_t>(end - at));
        t.assign(reinterpret_cast<const char*>(at), n);
        at += n;
    }
};

}  // namespace

StateCodec::StateCodec(const Context& ctx, bool keepsDraws) : keepsDraws_(keepsDraws) {
    const World& w = ctx.world;
    if (ringIsWall(ctx.board, w)) {
        for (int x = 0; x <= w.lastCol; ++x)
            for (int y = 0; y <= w.lastRow; ++y)
                places_.push_back(Board::cell(x, y));
    } else {
        for (int x = 0; x < kBoardSize; ++x)
            for (int y = 0; y < kBoardSize; ++y)
                places_.push_back(Board::cell(x, y));
    }
    lives_ = w.kolLives.caption();
    startMode_ = w.startMode;
    read(ctx, start_);
}

void StateCodec::read(const Context& ctx, Snapshot& s) const {
    const Board& b = ctx.board;
    s.cells.resize(places_.size());
    bool ammoLies = false;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const std::size_t p = places_[i];
        CellState& c = s.cells[i];
        c.code = b.at(p, layer::kCode);
        c.moved = b.at(p, layer::kMoved);
        ammoLies |= c.code == code::kAmmo;
        c.extra[0] = c.extra[1] = 0;
        const StateLayers e = stateOf(c.code);
        if (e.count > 0) c.extra[0] = b.at(p, e.at[0]);
        if (e.count > 1) c.extra[1] = b.at(p, e.at[1]);
    }
    const World& w = ctx.world;
    s.playerX = w.playerX;
    s.playerY = w.playerY;
    s.requests = packRequests(w.requests);
    // Without ammunition, now or to pick up, the robot never fires and the delay is moot.
    const bool mayEverFire = ammoLies || w.kolWeapon.value() > 0;
    s.fireDelay = mayEverFire ? std::min(w.fireDelay, kFireInterval) : kFireInterval;
    s.levelDone = w.levelDone;
    s.flash = static_cast<uint8_t>(ctx.flashState);
    s.bolts = w.kolBolt.caption();
    s.keys = w.kolKeys.caption();
    s.ammo = w.kolWeapon.caption();
}

void StateCodec::writeCell(std::size_t i, const CellState& c, Board& board) const {
    const std::size_t p = places_[i];
    board.set(p, layer::kCode, c.code);
    board.set(p, layer::kMoved, c.moved);
    const StateLayers e = stateOf(c.code);
    for (int k = 0; k < e.count; ++k)
        board.set(p, e.at[k], c.extra[k]);
}

void StateCodec::writeRest(const Snapshot& s, Context& ctx) const {
    World& w = ctx.world;
    w.playerX = s.playerX;
    w.playerY = s.playerY;
    unpackRequests(s.requests, w.requests);
    w.fireDelay = s.fireDelay;
    w.levelDone = s.levelDone;
    ctx.flashState = static_cast<FlashState>(s.flash);
    if (w.kolBolt.caption() != s.bolts) w.kolBolt.setCaption(s.bolts);
    if (w.kolKeys.caption() != s.keys) w.kolKeys.setCaption(s.keys);
    if (w.kolWeapon.caption() != s.ammo) w.kolWeapon.setCaption(s.ammo);
    // Undo what a wreck in the step just tried left behind.
    w.wreckCountdown = 0;
    if (w.kolLives.caption() != lives_) w.kolLives.setCaption(lives_);
    w.startMode = startMode_;
}

void StateCodec::restore(const Snapshot& now, const Snapshot& target, Context& ctx) const {
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (!same(now.cells[i], target.cells[i])) writeCell(i, target.cells[i], ctx.board);
    }
    writeRest(target, ctx);
}

void StateCodec::pack(const Snapshot& s, std::vector<uint8_t>& out) const {
    out.clear();
    putNumber(out, zigzag(s.playerX));
    putNumber(out, zigzag(s.playerY));
    putNumber(out, s.requests);
    putNumber(out, zigzag(s.fireDelay));
    putNumber(out, zigzag(s.levelDone));
    out.push_back(s.flash);
    if (keepsDraws_) putNumber(out, s.draws);
    putText(out, s.bolts);
    putText(out, s.keys);
    putText(out, s.ammo);
    // Each cell that differs from the start: the number of equal cells skipped, the code
    // with a bit for a set mark, the mark when set, and the code's extra layers.
    std::size_t next = 0;
    for (std::size_t i = 0; i < s.cells.size(); ++i) {
        const CellState& c = s.cells[i];
        if (same(c, start_.cells[i])) continue;
        putNumber(out, static_cast<uint32_t>(i - next));
        next = i + 1;
        putNumber(out, zigzag(c.code) << 1 | (c.moved != 0));
        if (c.moved != 0) putNumber(out, zigzag(c.moved));
        const StateLayers e = stateOf(c.code);
        for (int k = 0; k < e.count; ++k)
            putNumber(out, zigzag(c.extra[k]));
    }
}

void StateCodec::unpack(std::span<const uint8_t> bytes, Snapshot& s) const {
    Reader in{bytes.data(), bytes.data() + bytes.size()};
    s.playerX = unzigzag(in.number());
    s.playerY = unzigzag(in.number());
    s.requests = static_cast<uint16_t>(in.number());
    s.fireDelay = unzigzag(in.number());
    s.levelDone = unzigzag(in.number());
    s.flash = in.at != in.end ? *in.at++ : uint8_t{0};
    s.draws = keepsDraws_ ? in.number() : 0;
    in.text(s.bolts);
    in.text(s.keys);
    in.text(s.ammo);
    s.cells = start_.cells;
    std::size_t next = 0;
    while (in.at != in.end) {
        const std::size_t i = next + in.number();
        const uint32_t head = in.number();
        CellState c;
        c.code = unzigzag(head >> 1);
        if (head & 1) c.moved = unzigzag(in.number());
        const StateLayers e = stateOf(c.code);
        for (int k = 0; k < e.count; ++k)
            c.extra[k] = unzigzag(in.number());
        if (i < s.cells.size()) s.cells[i] = c;
        next = i + 1;
    }
}

}  // namespace boltik::solver
