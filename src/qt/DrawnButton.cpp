// Drawn buttons: the keys that press them, the click they send, and the frame that shows the
// keyboard focus.
#include "qt/DrawnButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "qt/Accessibility.h"

namespace boltik::qt {

namespace {

// A dashed black and white rectangle along the picture's edge, seen on any picture.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* picture) : QWidget(picture) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRectF edge = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(edge);
        painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter.drawRect(edge);
    }
};

void sendMouse(QWidget* picture, QEvent::Type type) {
    const QPointF centre = QRectF(picture->rect()).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, centre, picture->mapToGlobal(centre), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
}

}  // namespace

DrawnButton::DrawnButton(QWidget* picture)
    : QObject(picture), picture_(picture), focusFrame_(new FocusFrame(picture)) {}

DrawnButton* DrawnButton::make(QWidget* picture, const QString& name) {
    installAccessibleInterfaces();
    if (DrawnButton* made = of(picture)) {
        picture->setAccessibleName(name);
        return made;
    }
    auto* button = new DrawnButton(picture);
    picture->setAccessibleName(name);
    picture->setFocusPolicy(Qt::TabFocus);
    picture->installEventFilter(button);
    renewAccessibleInterface(picture);
    return button;
}

DrawnButton* DrawnButton::of(const QObject* picture) {
    return picture ? picture->findChild<DrawnButton*>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

void DrawnButton::click(QWidget* picture) {
    // The press may close the picture's window; the release then goes nowhere.
    QPointer<QWidget> alive(picture);
    sendMouse(picture, QEvent::MouseButtonPress);
    if (alive) sendMouse(picture, QEvent::MouseButtonRelease);
}

std::optional<bool> DrawnButton::checked() const {
    if (!checked_) return std::nullopt;
    return checked_();
}

bool DrawnButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                               key->key() == Qt::Key_Enter;
            const auto mods = key->modifiers() & ~Qt::KeypadModifier;
            if (!press || mods != Qt::NoModifier) return false;
            if (!key->isAutoRepeat()) click(picture_);
            return true;
        }
        case QEvent::FocusIn:
            focusFrame_->setGeometry(picture_->rect());
            focusFrame_->show();
            focusFrame_->raise();
            return false;
        case QEvent::FocusOut:
            focusFrame_->hide();
            return false;
        default:
            return false;
    }
}

}  // namespace boltik::qt
