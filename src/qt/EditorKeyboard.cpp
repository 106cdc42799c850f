// The level editor's keyboard: the grid cursor, painting from it, the palette's keys and order.
#include "qt/EditorKeyboard.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <array>
#include <vector>

#include "core/board/Codes.h"
#include "core/board/Surroundings.h"
#include "qt/DrawnButton.h"
#include "qt/Redaktor.h"
#include "qt/SpokenLine.h"

namespace boltik::qt {

namespace {

constexpr int kSquare = editor::kSquareTwips / 15;

// The cursor: a thick red and yellow frame just inside a square, which lets the mouse through
// and leaves the grid lines and the pairing frame on the square's edge in sight.
class CursorFrame : public QWidget {
public:
    explicit CursorFrame(QWidget* grid) : QWidget(grid) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(kSquare - 2, kSquare - 2);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        painter.setPen(QPen(QColor(255, 230, 0), 1));
        painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -3.5, -3.5));
    }
};

struct ToolName {
    int16_t code;
    const char* name;
};

const ToolName kToolNames[] = {
    {board::code::kEmpty, "Ластик"},     {board::code::kRubble, "Завал"},
    {board::code::kWall, "Стена"},       {board::code::kBox, "Ящик"},
    {board::code::kAmmo, "Патроны"},     {board::code::kKey, "Ключ"},
    {board::code::kDoor, "Дверь"},       {board::code::kBolt, "Болт"},
    {board::code::kBomb, "Бомба"},       {board::code::kCapsule, "Капсула"},
    {board::code::kPlayer, "Робот"},     {board::code::kTeleporter, "Телепорт"},
    {board::code::kBat, "Летучая мышь"}, {board::code::kCrawler, "Ползун"},
};

std::optional<board::Dir> arrow(int key) {
    switch (key) {
        case Qt::Key_Up:
            return board::Dir::Up;
        case Qt::Key_Down:
            return board::Dir::Down;
        case Qt::Key_Left:
            return board::Dir::Left;
        case Qt::Key_Right:
            return board::Dir::Right;
        default:
            return std::nullopt;
    }
}

}  // namespace

QString EditorKeyboard::toolName(int tool) {
    for (const ToolName& t : kToolNames) {
        if (t.code == editor::toolCode(tool)) return QString::fromUtf8(t.name);
    }
    return {};
}

QKeySequence EditorKeyboard::toolKey(int tool) {
    if (tool < 10) return QKeySequence(Qt::Key_0 + tool);
    return QKeySequence(Qt::CTRL | (Qt::Key_0 + tool - 10));
}

EditorKeyboard::EditorKeyboard(Redaktor& editor)
    : QObject(&editor), editor_(editor), grid_(editor.grid()), frame_(new CursorFrame(grid_)) {
    grid_->setFocusPolicy(Qt::StrongFocus);
    grid_->setAccessibleName(QStringLiteral("Поле уровня"));
    grid_->installEventFilter(this);

    // The palette's Tab order follows its columns, top to bottom, left column first.
    std::vector<int> order(editor::kTools);
    for (int i = 0; i < editor::kTools; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](int a, int b) {
        const editor::TwipsPlace pa = editor::kPalette[a].place, pb = editor::kPalette[b].place;
        return pa.left != pb.left ? pa.left < pb.left : pa.top < pb.top;
    });
    QWidget* previous = nullptr;
    for (int tool : order) {
        QLabel* tile = editor.paletteItem(tool);
        const QKeySequence key = toolKey(tool);
        DrawnButton::make(tile, toolName(tool))->setChecked([this, tool] {
            return editor_.model().tool() == tool;
        });
        tile->setToolTip(toolName(tool) + QStringLiteral(" (") +
                         key.toString(QKeySequence::NativeText) + QStringLiteral(")"));
        // A number key chooses the tool as a click on its square does.
        auto* shortcut = new QShortcut(key, &editor);
        connect(shortcut, &QShortcut::activated, tile, [tile] { DrawnButton::click(tile); });
        if (previous) QWidget::setTabOrder(previous, tile);
        previous = tile;
    }
    QWidget::setTabOrder(previous, grid_);
    grid_->setFocus();
    placeFrame();
    // The cell under the cursor in words: the grid's description follows the cursor, and F3
    // reads it aloud on a line under the grid.
    spoken_ = new SpokenLine(grid_);
    auto* readKey = new QShortcut(QKeySequence(Qt::Key_F3), &editor);
    connect(readKey, &QShortcut::activated, this, [this] { spoken_->say(cellText()); });
    grid_->setAccessibleDescription(cellText());
}

QString EditorKeyboard::cellText() const {
    const editor::Editor& model = editor_.model();
    return QString::fromStdString(
        board::describeEditorCell(model.board(), cursor_.x, cursor_.y, model.boltCaption()));
}

void EditorKeyboard::placeFrame() {
    frame_->move(cursor_.x * kSquare + 2, cursor_.y * kSquare + 2);
    frame_->setVisible(grid_->hasFocus());
    frame_->raise();
}

bool EditorKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grid_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return gridKey(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) endStroke();
            return false;
        case QEvent::FocusIn:
            placeFrame();
            return false;
        case QEvent::FocusOut:
            endStroke();
            placeFrame();
            return false;
        default:
            return false;
    }
}

bool EditorKeyboard::gridKey(QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (const auto dir = arrow(event->key())) {
        if (mods != Qt::NoModifier && mods != Qt::ShiftModifier) return false;
        moveCursor(*dir, mods == Qt::ShiftModifier);
        return true;
    }
    const bool paints = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter;
    if (!paints || (mods != Qt::NoModifier && mods != Qt::ShiftModifier)) return false;
    if (!event->isAutoRepeat()) paintAtCursor();
    return true;
}

void EditorKeyboard::moveCursor(board::Dir dir, bool painting) {
    editor::Editor& model = editor_.model();
    // Shift and an arrow: the first press puts the tool where the cursor stands, as a mouse
    // press does; each move paints the next cell, as the pointer does while the button is held.
    if (painting && !stroke_) {
        endStroke();
        stroke_ = true;
        model.mouseDown(cursor_, editor_);
    } else if (!painting) {
        endStroke();
    }
    cursor_.x = std::clamp(cursor_.x + board::dx(dir), 0, int(board::kLastCol));
    cursor_.y = std::clamp(cursor_.y + board::dy(dir), 0, int(board::kLastRow));
    // A drag of the mouse still going on is the mouse's: the cursor alone moves.
    if (stroke_ || !model.painting()) model.mouseMove(cursor_, editor_);
    editor_.refresh();
    placeFrame();
    grid_->setAccessibleDescription(cellText());
    emit cursorMoved(cursor_);
}

void EditorKeyboard::paintAtCursor() {
    endStroke();
    editor::Editor& model = editor_.model();
    model.mouseDown(cursor_, editor_);
    model.mouseUp();
    editor_.refresh();
    grid_->setAccessibleDescription(cellText());
}

void EditorKeyboard::endStroke() {
    if (!stroke_) return;
    stroke_ = false;
    editor_.model().mouseUp();
    editor_.refresh();
}

}  // namespace boltik::qt
