// The editor's undo and redo steps.
#include "core/editor/History.h"

#include <utility>

namespace boltik::editor {

void History::push(std::deque<Snapshot>& steps, Snapshot s) {
    steps.push_back(std::move(s));
    if (steps.size() > kDepth) steps.pop_front();
}

void History::record(Snapshot before) {
    push(undo_, std::move(before));
    redo_.clear();
}

std::optional<Snapshot> History::undo(Snapshot now) {
    if (undo_.empty()) return std::nullopt;
    Snapshot back = std::move(undo_.back());
    undo_.pop_back();
    push(redo_, std::move(now));
    return back;
}

std::optional<Snapshot> History::redo(Snapshot now) {
    if (redo_.empty()) return std::nullopt;
    Snapshot forward = std::move(redo_.back());
    redo_.pop_back();
    push(undo_, std::move(now));
    return forward;
}

}  // namespace boltik::editor
