// The robot's reach over a level's walls, and the lower bound of the cycles to win.
#include "core/solver/Bound.h"

#include <algorithm>

namespace boltik::solver {

using namespace board;

namespace {

bool ringIsWall(const World& w) {
    for (int x = 0; x <= w.lastCol; ++x) {
        for (int y = 0; y <= w.lastRow; ++y) {
            if (onRing(x, y, w.lastCol, w.lastRow) && w.board.code(x, y) != code::kWall) {
                return false;
            }
        }
    }
    return true;
}

// The weight of the least tree spanning the cells, a step between two of them counted the
// shorter way round (a teleporter may lead only one way): no walk through all of them is
// shorter.
int spanningSteps(const Reach& reach, const std::vector<std::pair<int, int>>& cells) {
    const std::size_t n = cells.size();
    std::vector<int> nearest(n, Reach::kNoWay);
    std::vector<bool> inTree(n, false);
    int total = 0;
    if (n == 0) return 0;
    nearest[0] = 0;
    for (std::size_t round = 0; round < n; ++round) {
        std::size_t pick = n;
        for (std::size_t i = 0; i < n; ++i) {
            if (!inTree[i] && (pick == n || nearest[i] < nearest[pick])) pick = i;
        }
        inTree[pick] = true;
        total = std::min(total + nearest[pick], int{Reach::kNoWay});
        const auto [px, py] = cells[pick];
        for (std::size_t i = 0; i < n; ++i) {
            if (inTree[i]) continue;
            const auto [x, y] = cells[i];
            const int s = std::min(reach.steps(px, py, x, y), reach.steps(x, y, px, py));
            nearest[i] = std::min(nearest[i], s);
        }
    }
    return total;
}

}  // namespace

Reach::Reach(const World& world) : nodeOf_(kBoardSize * kBoardSize, -1) {
    const Board& b = world.board;
    const bool closed = ringIsWall(world);
    const int lastX = closed ? world.lastCol : kBoardSize - 1;
    const int lastY = closed ? world.lastRow : kBoardSize - 1;
    std::vector<std::pair<int, int>>& cells = cells_;
    for (int x = 0; x <= lastX; ++x) {
        for (int y = 0; y <= lastY; ++y) {
            if (!Board::inside(x, y) || b.code(x, y) == code::kWall) continue;
            nodeOf_[static_cast<std::size_t>(x * kBoardSize + y)] = static_cast<int>(cells.size());
            cells.emplace_back(x, y);
            if (b.code(x, y) == code::kBolt) bolts_.emplace_back(x, y);
        }
    }
    nodes_ = cells.size();

    // Where one step leads from each node.
    std::vector<std::vector<int>> next(nodes_);
    for (std::size_t n = 0; n < nodes_; ++n) {
        const auto [x, y] = cells[n];
        for (Dir d : kAllDirs) {
            const int to = node(x + dx(d), y + dy(d));
            if (to >= 0) next[n].push_back(to);
        }
    }
    for (const auto& [x, y] : cells) {
        if (b.code(x, y) != code::kTeleporter) continue;
        const int tx = b.at(x, y, layer::kParamA);
        const int ty = b.at(x, y, layer::kParamB);
        for (Dir from : kAllDirs) {
            const int at = node(x + dx(from), y + dy(from));
            if (at < 0) continue;
            for (Dir side : kAllDirs) {
                const int to = node(tx + dx(side), ty + dy(side));
                if (to >= 0) next[static_cast<std::size_t>(at)].push_back(to);
            }
        }
    }

    steps_.assign(nodes_ * nodes_, kNoWay);
    std::vector<int> queue(nodes_);
    for (std::size_t from = 0; from < nodes_; ++from) {
        int16_t* row = &steps_[from * nodes_];
        std::size_t head = 0, tail = 0;
        row[from] = 0;
        queue[tail++] = static_cast<int>(from);
        while (head < tail) {
            const int n = queue[head++];
            for (int to : next[static_cast<std::size_t>(n)]) {
                if (row[to] != kNoWay) continue;
                row[to] = static_cast<int16_t>(row[n] + 1);
                queue[tail++] = to;
            }
        }
    }
}

int Reach::node(int x, int y) const {
    if (!Board::inside(x, y)) return -1;
    return nodeOf_[static_cast<std::size_t>(x * kBoardSize + y)];
}

int16_t Reach::steps(int x1, int y1, int x2, int y2) const {
    const int a = node(x1, y1);
    const int b = node(x2, y2);
    if (a < 0 || b < 0) return kNoWay;
    return steps_[static_cast<std::size_t>(a) * nodes_ + static_cast<std::size_t>(b)];
}

std::optional<int> cyclesToWin(const Reach& reach, const World& w) {
    const Board& b = w.board;
    // The bolts still to take: the capsule opens when the counter reads exactly "0", and a
    // bolt taken counts it down by one, written back as plain decimal text.
    int64_t wanted = 0;
    if (!w.kolBolt.readsZero()) {
        wanted = w.kolBolt.value();
        if (wanted <= 0) return std::nullopt;
    }
    const int px = w.playerX, py = w.playerY;
    int toCapsule = Reach::kNoWay;
    // A pushed capsule stays where the robot can reach it, so its cells are looked up anew.
    for (const auto& [x, y] : reach.cells()) {
        if (b.code(x, y) == code::kCapsule) {
            toCapsule = std::min<int>(toCapsule, reach.steps(px, py, x, y));
        }
    }
    if (toCapsule == Reach::kNoWay) return std::nullopt;
    std::vector<std::pair<int, int>> left;
    std::vector<int16_t> toBolts;
    for (const auto& [x, y] : reach.bolts()) {
        if (b.code(x, y) != code::kBolt) continue;
        const int16_t s = reach.steps(px, py, x, y);
        if (s == Reach::kNoWay) continue;
        left.emplace_back(x, y);
        toBolts.push_back(s);
    }
    if (static_cast<int64_t>(left.size()) < wanted) return std::nullopt;
    // Requests already pending may each take the robot one step in the same turn.
    int pending = 0;
    for (Dir d : kAllDirs)
        pending += w.requests.key[d] != 0;
    int least = toCapsule;
    if (wanted > 0 && static_cast<std::size_t>(wanted) == left.size()) {
        // Every bolt left: a walk to the nearest, then a walk through all of them, which is
        // at least a tree spanning them; the capsule is entered in a later step.
        const int through = spanningSteps(reach, left);
        // Two bolts neither of which leads to the other cannot both be taken.
        if (through >= Reach::kNoWay) return std::nullopt;
        least = *std::min_element(toBolts.begin(), toBolts.end()) + through + 1;
    } else if (wanted > 0) {
        // Taking `wanted` bolts goes at least as far as the wanted-th nearest of them.
        const auto nth = toBolts.begin() + (wanted - 1);
        std::nth_element(toBolts.begin(), nth, toBolts.end());
        least = *nth + 1;
    }
    return std::max(0, least - pending);
}

int cyclesToNextBolt(const Reach& reach, const World& w) {
    const Board& b = w.board;
    int least = Reach::kNoWay;
    if (w.kolBolt.readsZero()) {
        for (const auto& [x, y] : reach.cells()) {
            if (b.code(x, y) == code::kCapsule) {
                least = std::min<int>(least, reach.steps(w.playerX, w.playerY, x, y));
            }
        }
    } else {
        for (const auto& [x, y] : reach.bolts()) {
            if (b.code(x, y) == code::kBolt) {
                least = std::min<int>(least, reach.steps(w.playerX, w.playerY, x, y));
            }
        }
    }
    int pending = 0;
    for (Dir d : kAllDirs)
        pending += w.requests.key[d] != 0;
    return std::max(0, least - pending);
}

}  // namespace boltik::solver
