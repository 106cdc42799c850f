// Sprite slots and their exchanges.
#include "core/sprites/Sprites.h"

#include <utility>

#include "core/board/Codes.h"

namespace boltik::sprites {

namespace {

bool validObject(int n) {
    return n >= 0 && n < SpriteStore::kObjectSlots;
}

}  // namespace

int Picture::size() const {
    switch (set) {
        case PictureSet::Object48:
        case PictureSet::Robot48:
        case PictureSet::Flash48:
            return 48;
        default:
            return 32;
    }
}

std::string fileStem(Picture picture) {
    const std::string n = std::to_string(picture.index);
    switch (picture.set) {
        case PictureSet::Object48:
            return "graph48_" + n;
        case PictureSet::Object32:
            return "graph32_" + n;
        case PictureSet::Robot48:
            return "mes48_" + n;
        case PictureSet::Robot32:
            return "mes32_" + n;
        case PictureSet::Flash48:
            return "grasma";
        case PictureSet::Flash32:
            break;
    }
    return "grasmb";
}

std::vector<Picture> allPictures() {
    std::vector<Picture> all;
    for (const board::CodeInfo& row : board::kCodeTable) {
        if (!row.sprite) continue;
        if (!row.smallOnly) all.push_back({PictureSet::Object48, row.code});
        if (row.smallOnly || row.smallTwin) all.push_back({PictureSet::Object32, row.code});
    }
    for (int16_t n = 0; n < kRobotViews; ++n) {
        all.push_back({PictureSet::Robot48, n});
        all.push_back({PictureSet::Robot32, n});
    }
    all.push_back({PictureSet::Flash48, 0});
    all.push_back({PictureSet::Flash32, 0});
    return all;
}

SpriteStore::SpriteStore() {
    for (const board::CodeInfo& row : board::kCodeTable) {
        if (!row.sprite) continue;
        const PictureSet set = row.smallOnly ? PictureSet::Object32 : PictureSet::Object48;
        objects_[row.code] = Picture{set, row.code};
        if (row.smallTwin) smallObjects_[row.code] = Picture{PictureSet::Object32, row.code};
    }
    for (int n = 0; n < kRobotViews; ++n) {
        robots_[n] = Picture{PictureSet::Robot48, static_cast<int16_t>(n)};
        smallRobots_[n] = Picture{PictureSet::Robot32, static_cast<int16_t>(n)};
    }
}

std::optional<Picture> SpriteStore::object(int n) const {
    if (!validObject(n)) return std::nullopt;
    return objects_[n];
}

std::optional<Picture> SpriteStore::robot(int n) const {
    if (n < 0 || n >= kRobotViews) return std::nullopt;
    return robots_[n];
}

int SpriteStore::cellSize() const {
    return objects_[0] ? objects_[0]->size() : 48;
}

void SpriteStore::swapObjects(int a, int b) {
    if (validObject(a) && validObject(b)) std::swap(objects_[a], objects_[b]);
}

void SpriteStore::swapRobotViews(int a, int b) {
    if (a >= 0 && a < kRobotViews && b >= 0 && b < kRobotViews) std::swap(robots_[a], robots_[b]);
}

void SpriteStore::nextWalkFrame() {
    swapRobotViews(RobotView::Up, RobotView::UpStep);
    swapRobotViews(RobotView::RightStep, RobotView::Right);
    swapRobotViews(RobotView::DownStep, RobotView::Down);
    swapRobotViews(RobotView::Left, RobotView::LeftStep);
}

void SpriteStore::animationTick() {
    namespace code = board::code;
    swapObjects(code::kBat, code::kBatFrame);
    swapObjects(code::kShotV, code::kShotVFrame);
    swapObjects(code::kShotH, code::kShotHFrame);
    swapObjects(code::kCrawler, code::kCrawlerFrame);
}

void SpriteStore::useSmallPictures() {
    std::swap(flash_, smallFlash_);
    for (int n = 0; n < kObjectSlots; ++n) {
        if (smallObjects_[n]) std::swap(objects_[n], smallObjects_[n]);
    }
    for (int n = 0; n < kRobotViews; ++n)
        std::swap(robots_[n], smallRobots_[n]);
}

}  // namespace boltik::sprites
