// The level editor's rules.
#include "core/editor/Editor.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/board/Codes.h"
#include "core/board/Geometry.h"
#include "core/board/LevelFile.h"
#include "core/io/Text.h"

namespace boltik::editor {

using namespace board;

namespace {

int16_t clamp16(int value) {
    return static_cast<int16_t>(std::clamp<int>(value, std::numeric_limits<int16_t>::min(),
                                                std::numeric_limits<int16_t>::max()));
}

}  // namespace

Editor::Editor() {
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            placeCell(board_, x, y, kSquareTwips);
            board_.setCode(x, y, onRing(x, y) ? code::kWall : code::kEmpty);
        }
    }
    paintAll();
    saved_ = state();
}

std::optional<Cell> Editor::player() const {
    if (playerColumn_ == 0 && playerRow_ == 0) return std::nullopt;
    return Cell{playerColumn_, playerRow_};
}

std::optional<Cell> Editor::pairingCell() const {
    if (!pairing_) return std::nullopt;
    return pairing_->from;
}

void Editor::selectTool(int tool) {
    if (tool >= 0 && tool < kTools) tool_ = tool;
}

void Editor::mouseDown(std::optional<Cell> at, EditorHost& host, bool rightButton) {
    // A release that never came (KudaSow took it, say) still ends the stroke before.
    if (!pairing_) endStep();
    painting_ = true;
    if (pairing_ && rightButton) {
        painting_ = false;
        escape();
        return;
    }
    if (!at) return;
    if (pairing_) {
        // The second click only names the partner.
        painting_ = false;
        completePairing(*at);
        endStep();
        return;
    }
    sohr(*at, host);
    paint(*at, true);
    if (!painting_ && !pairing_) endStep();
}

void Editor::mouseMove(std::optional<Cell> at, EditorHost& host) {
    if (!at) return;
    pointer_ = *at;
    // While a teleporter awaits its partner the pointer only shows where it would go.
    if (!painting_ || pairing_) return;
    sohr(*at, host);
    paint(*at, true);
    if (!painting_ && !pairing_) endStep();
}

void Editor::mouseUp() {
    painting_ = false;
    if (!pairing_) endStep();
}

void Editor::escape() {
    if (!pairing_) return;
    const Pairing p = *pairing_;
    pairing_.reset();
    board_.setCode(p.from.x, p.from.y, p.heldCode);
    boltCount_ = p.heldBolts;
    boltCaption_ = p.heldCaption;
    paint(p.from, true);
    // Given up, the pairing leaves the level as it was: no step.
    endStep();
}

void Editor::sohr(Cell at, EditorHost& host) {
    beginStep();
    const int16_t held = board_.code(at.x, at.y);
    const int16_t heldBolts = boltCount_;
    const std::string heldCaption = boltCaption_;
    if (held == code::kBolt) boltCount_ = clamp16(boltCount_ - 1);
    switch (tool_) {
        case kToolBolt:
            board_.setCode(at.x, at.y, code::kBolt);
            boltCount_ = clamp16(boltCount_ + 1);
            break;
        case kToolPlayer:
            placePlayer(at);
            break;
        case kToolCrawler:
            placeCrawler(at, host);
            break;
        case kToolTeleporter:
            // Pairing waits for the next click; like the crawler, it ends the drag.
            board_.setCode(at.x, at.y, code::kTeleporter);
            pairing_ = Pairing{at, held, heldBolts, heldCaption};
            painting_ = false;
            break;
        default:
            board_.setCode(at.x, at.y, toolCode(tool_));
            break;
    }
    setBolts(boltCount_);
}

void Editor::setBolts(int count) {
    boltCount_ = clamp16(count);
    boltCaption_ = std::to_string(boltCount_);
}

void Editor::placePlayer(Cell at) {
    // One player only: the remembered one leaves its cell, if it still stands there.
    if (const auto old = player();
        old && !(*old == at) && board_.code(old->x, old->y) == code::kPlayer) {
        board_.setCode(old->x, old->y, code::kEmpty);
        paint(*old, true);
    }
    playerColumn_ = static_cast<int16_t>(at.x);
    playerRow_ = static_cast<int16_t>(at.y);
    board_.setCode(at.x, at.y, code::kPlayer);
}

void Editor::placeCrawler(Cell at, EditorHost& host) {
    painting_ = false;
    board_.setCode(at.x, at.y, code::kCrawler);
    if (const auto chosen = host.chooseCrawlerHeading();
        chosen && *chosen >= 0 && *chosen < kCrawlerChoiceCount) {
        lastCrawlerChoice_ = *chosen;
    }
    // Closed without a choice, the choice KudaSow last gave is applied again, if any.
    if (!lastCrawlerChoice_) return;
    const CrawlerChoice& choice = kCrawlerChoices[*lastCrawlerChoice_];
    board_.set(at.x, at.y, layer::kParamA, index(choice.heading));
    board_.set(at.x, at.y, layer::kParamB, index(choice.hand));
}

void Editor::completePairing(Cell partner) {
    const Cell from = pairing_->from;
    pairing_.reset();
    board_.set(from.x, from.y, layer::kParamA, partner.x);
    board_.set(from.x, from.y, layer::kParamB, partner.y);
    if (board_.code(partner.x, partner.y) == code::kBolt) boltCount_ = clamp16(boltCount_ - 1);
    board_.setCode(partner.x, partner.y, code::kTeleporter);
    board_.set(partner.x, partner.y, layer::kParamA, from.x);
    board_.set(partner.x, partner.y, layer::kParamB, from.y);
    paint(partner, false);
    paint(from, true);
    setBolts(boltCount_);
}

void Editor::newLevel() {
    escape();
    endStep();
    beginStep();
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y)
            board_.setCode(x, y, onRing(x, y) ? code::kWall : code::kEmpty);
    }
    setBolts(0);
    playerColumn_ = playerRow_ = 0;
    paintAll();
    endStep();
    saved_ = state();
    fileName_.clear();
}

FileResult Editor::load(const std::string& path) {
    escape();
    endStep();
    Board read;
    const LevelReadResult result = readLevelFile(path, read);
    int64_t bolts = 0;
    if (!result.ok || !io::parseInteger(io::utf8ToCp1251(result.boltLine), bolts) ||
        bolts < std::numeric_limits<int16_t>::min() ||
        bolts > std::numeric_limits<int16_t>::max()) {
        return {false, "!!!"};
    }
    beginStep();
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l = layer::kShotDir; l <= layer::kParamB; ++l)
                board_.set(x, y, l, read.at(x, y, l));
        }
    }
    boltCount_ = static_cast<int16_t>(bolts);
    boltCaption_ = result.boltLine;
    playerColumn_ = static_cast<int16_t>(result.playerFound ? result.playerX : 0);
    playerRow_ = static_cast<int16_t>(result.playerFound ? result.playerY : 0);
    paintAll();
    endStep();
    saved_ = state();
    fileName_ = path;
    return {};
}

FileResult Editor::saveCopy(const std::string& path) const {
    const io::WriteResult written = writeLevelFile(path, board_, boltCount_);
    if (!written) return {false, "Не удалось записать файл " + path + ": " + written.reason};
    return {};
}

FileResult Editor::save(const std::string& path) {
    const FileResult written = saveCopy(path);
    if (!written) return written;
    saved_ = state();
    fileName_ = path;
    return {};
}

bool Editor::undo() {
    if (pairing_) {
        escape();
        return true;
    }
    // Undo in the middle of a drag ends the drag and takes back what it painted so far.
    painting_ = false;
    endStep();
    const auto back = history_.undo(state());
    if (!back) return false;
    restore(*back);
    return true;
}

bool Editor::redo() {
    escape();
    painting_ = false;
    endStep();
    const auto forward = history_.redo(state());
    if (!forward) return false;
    restore(*forward);
    return true;
}

Snapshot Editor::state() const {
    Snapshot s;
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int i = 0; i < Snapshot::kLayers; ++i)
                s.at(x, y, i) = board_.at(x, y, layer::kShotDir + i);
        }
    }
    s.boltCount = boltCount_;
    s.boltCaption = boltCaption_;
    s.playerColumn = playerColumn_;
    s.playerRow = playerRow_;
    return s;
}

void Editor::restore(const Snapshot& s) {
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            bool changed = false;
            for (int i = 0; i < Snapshot::kLayers; ++i) {
                if (board_.at(x, y, layer::kShotDir + i) == s.at(x, y, i)) continue;
                board_.set(x, y, layer::kShotDir + i, s.at(x, y, i));
                changed = true;
            }
            if (changed) paint({x, y}, true);
        }
    }
    boltCount_ = s.boltCount;
    boltCaption_ = s.boltCaption;
    playerColumn_ = s.playerColumn;
    playerRow_ = s.playerRow;
}

void Editor::beginStep() {
    if (!stepStart_) stepStart_ = state();
}

void Editor::endStep() {
    if (!stepStart_) return;
    Snapshot before = std::move(*stepStart_);
    stepStart_.reset();
    if (!(before == state())) history_.record(std::move(before));
}

std::vector<Paint> Editor::takePaints() {
    std::vector<Paint> out;
    out.swap(paints_);
    return out;
}

void Editor::paintAll() {
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y)
            paint({x, y}, false);
    }
}

}  // namespace boltik::editor
