// The two-button question window. Positions are the designed ones, in pixels (15 twips
// to a pixel).
#include "qt/MsgBo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "qt/DrawnButton.h"
#include "qt/GraphicObjects.h"
#include "qt/RoundedWindow.h"
#include "qt/Tiling.h"
#include "qt/Veil.h"

namespace boltik::qt {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);

// A title bar with a close button only: a question is neither minimised nor maximised.
constexpr Qt::WindowFlags kQuestionFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                           Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

MsgBo::MsgBo(const QString& text, const QString& caption1, const QString& caption2, QWidget* parent,
             int selected)
    : QDialog(parent, kQuestionFlags), tile_(uiPicture(QStringLiteral("msg_fon"))) {
    setFixedSize(466, 128);
    setWindowTitle(QString());
    setModal(true);
    setMouseTracking(true);

    auto* text1 = new QLabel(text, this);
    text1->setGeometry(48, 16, 385, 41);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    text1->setFont(font);
    text1->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192); background: transparent;"));
    text1->setMouseTracking(true);

    addButtonPicture(48);
    addButtonPicture(296);
    caption1_ = addCaption(caption1, 48);
    caption2_ = addCaption(caption2, 296);
    clickArea1_ = addClickArea(40, caption1);
    clickArea2_ = addClickArea(288, caption2);
    // A screen reader reads the question as the window's name, then the focused answer.
    setAccessibleName(text);
    select(selected == 1 ? 1 : 2);
}

void MsgBo::select(int button) {
    // The keyboard's highlight looks as the pointer's does: a blue caption. The highlighted
    // answer holds the focus, so a screen reader announces it.
    selected_ = button;
    pointerInUse_ = false;
    clickArea(button)->setFocus(Qt::OtherFocusReason);
    setCaptionColour(caption1_, button == 1 ? kBlue : kWhite);
    setCaptionColour(caption2_, button == 2 ? kBlue : kWhite);
}

void MsgBo::pointerTakesOver() {
    // From the pointer's first move on, the captions follow the pointer as they always have.
    if (pointerInUse_) return;
    pointerInUse_ = true;
    setCaptionColour(caption1_, kWhite);
    setCaptionColour(caption2_, kWhite);
}

bool MsgBo::event(QEvent* event) {
    // Tab moves the highlight between the two buttons rather than the focus between widgets.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            select(selected_ == 1 ? 2 : 1);
            return true;
        }
    }
    return QDialog::event(event);
}

void MsgBo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            select(1);
            return;
        case Qt::Key_Right:
            select(2);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            answer_ = selected_;
            chosen_ = true;
            accept();
            return;
        case Qt::Key_Escape:
            // As a close does: the second button, which always means "no".
            answer_ = 2;
            accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void MsgBo::addButtonPicture(int left) {
    const struct {
        const char* name;
        int x, width;
    } parts[] = {{"msg_btn_left", 0, 17}, {"msg_btn_mid", 16, 89}, {"msg_btn_right", 104, 17}};
    for (const auto& part : parts) {
        auto* image = new QLabel(this);
        image->setGeometry(left + part.x, 88, part.width, 27);
        image->setPixmap(QPixmap::fromImage(uiPicture(QString::fromLatin1(part.name))));
        image->setScaledContents(true);
        image->setMouseTracking(true);
    }
}

QLabel* MsgBo::addCaption(const QString& text, int left) {
    auto* label = new QLabel(text, this);
    label->setGeometry(left, 92, 121, 21);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    label->setFont(font);
    label->setMouseTracking(true);
    setCaptionColour(label, kWhite);
    return label;
}

QWidget* MsgBo::addClickArea(int left, const QString& caption) {
    auto* area = new QWidget(this);
    area->setGeometry(left, 88, 137, 33);
    area->setCursor(Qt::PointingHandCursor);
    area->setMouseTracking(true);
    area->installEventFilter(this);
    area->raise();
    // Space, Return and Enter on the focused answer click it, which answers as the keyboard's
    // highlight always has: the focus and the highlight are the same button.
    DrawnButton::make(area, caption);
    return area;
}

void MsgBo::setCaptionColour(QLabel* label, const QColor& colour) {
    // The highlighted caption keeps its blue, on a pale ground that reads at least as well as
    // white on the dark button does.
    const bool highlighted = colour != kWhite;
    label->setStyleSheet(
        highlighted ? QStringLiteral("color: %1; background: rgba(255, 255, 255, 235);"
                                     "border-radius: 6px;")
                          .arg(colour.name())
                    : QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
}

void MsgBo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QImage surface = widgetSurface(*this);
    surface.fill(QColor(212, 204, 244));
    TileForm(surface, tile_, 1);
    painter.drawImage(0, 0, surface);
}

void MsgBo::mouseMoveEvent(QMouseEvent* event) {
    pointerTakesOver();
    // Only the window's own surface turns the captions white again; moves over the question
    // or the button pictures reach here too, and leave them as they are.
    if (childAt(event->position().toPoint()) == nullptr) {
        setCaptionColour(caption1_, kWhite);
        setCaptionColour(caption2_, kWhite);
    }
    QDialog::mouseMoveEvent(event);
}

bool MsgBo::eventFilter(QObject* watched, QEvent* event) {
    const int button = watched == clickArea1_ ? 1 : watched == clickArea2_ ? 2 : 0;
    if (button == 0) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        pointerTakesOver();
        setCaptionColour(caption(button), kBlue);
        selected_ = button;
        clickArea(button)->setFocus(Qt::MouseFocusReason);
    } else if (event->type() == QEvent::FocusIn && selected_ != button) {
        // The focus given from outside (a screen reader) moves the highlight with it.
        select(button);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        answer_ = button;
        chosen_ = true;
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int AskUser(const QString& text, const QString& caption1, const QString& caption2, QWidget* parent,
            int selected) {
    // Where the desktop would not give a full-screen game the keyboard back, the question opens
    // inside the game's window.
    std::unique_ptr<Veil> veil = Veil::over(parent);
    MsgBo box(text, caption1, caption2, parent, selected);
    if (veil) veil->hold(&box);
    box.exec();
    // The asking window takes the keyboard back, which a desktop without a window manager would
    // not give it.
    box.hide();
    if (veil) veil.reset();
    takeKeyboardBack(parent);
    return box.answer();
}

int AskUser(const game::Question& question, QWidget* parent) {
    return AskUser(QString::fromStdString(question.text), QString::fromStdString(question.button1),
                   QString::fromStdString(question.button2), parent, question.safeAnswer);
}

}  // namespace boltik::qt
