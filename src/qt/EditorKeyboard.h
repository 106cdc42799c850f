// The level editor without a mouse: a cursor on the grid that the arrows move and that Space or
// Enter paints with, Shift and the arrows painting as a drag does; the palette in the Tab order,
// its tools also chosen by number keys; the grid and the palette named for screen readers.
#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QWidget>

#include "core/board/Directions.h"
#include "core/editor/Editor.h"

namespace boltik::qt {

class Redaktor;
class SpokenLine;

class EditorKeyboard : public QObject {
    Q_OBJECT

public:
    // Lives as long as the editor window, whose child it becomes. The grid takes the focus.
    explicit EditorKeyboard(Redaktor& editor);

    // The cell under the keyboard cursor; the top left corner at first.
    editor::Cell cursor() const { return cursor_; }
    QWidget* cursorFrame() const { return frame_; }

    // What a palette tool is called, «Стена» for instance, and the key that chooses it: the
    // digits 0 to 9 choose the tools 0 to 9, Ctrl with 0 to 3 the tools 10 to 13.
    static QString toolName(int tool);
    static QKeySequence toolKey(int tool);

    // The cell under the cursor in words, «Курсор: столбец 5, ряд 7, болт. …»: the grid's
    // description for screen readers, told at each move and paint of the cursor, and read
    // aloud by F3.
    QString cellText() const;

signals:
    void cursorMoved(editor::Cell cell);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool gridKey(QKeyEvent* event);
    void moveCursor(board::Dir dir, bool painting);
    void paintAtCursor();
    // A Shift stroke ends as a drag does when the button is let go.
    void endStroke();
    void placeFrame();

    Redaktor& editor_;
    QWidget* grid_;
    QWidget* frame_;
    SpokenLine* spoken_ = nullptr;
    editor::Cell cursor_{0, 0};
    bool stroke_ = false;
};

}  // namespace boltik::qt
