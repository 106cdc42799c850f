// A desk for the editor's rule tests: the editor with a scripted KudaSow, clicked and dragged
// cell by cell.
#pragma once

#include <string>
#include <vector>

#include "core/editor/Editor.h"
#include "core/headless/ScriptHost.h"
#include "support/Rig.h"

namespace boltik::testing {

struct EditorDesk {
    editor::Editor editor;
    headless::ScriptEditorHost host;

    void tool(int k) { editor.selectTool(k); }
    void click(int x, int y) {
        editor.mouseDown(editor::Cell{x, y}, host);
        editor.mouseUp();
    }
    // Presses at the first cell, drags over the others, releases.
    void drag(std::vector<editor::Cell> cells) {
        editor.mouseDown(cells.front(), host);
        for (const editor::Cell& c : cells)
            editor.mouseMove(c, host);
        editor.mouseUp();
    }
    int16_t code(int x, int y) const { return editor.board().code(x, y); }
    int16_t at(int x, int y, int layer) const { return editor.board().at(x, y, layer); }
    std::string row(int y) const { return boardPicture(editor.board())[y]; }
};

}  // namespace boltik::testing
