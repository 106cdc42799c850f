// The line under the board that shows what was read aloud, and the description it hands over.
#include "qt/SpokenLine.h"

#include <QEvent>

namespace boltik::qt {

SpokenLine::SpokenLine(QWidget* anchor) : QLabel(anchor->parentWidget()), anchor_(anchor) {
    setObjectName(QStringLiteral("spokenLine"));
    setStyleSheet(QStringLiteral(
        "color: white; background: rgba(0, 0, 60, 200); padding: 2px 6px; border-radius: 3px;"));
    setAccessibleName(QString());
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    hide();
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
    anchor_->installEventFilter(this);
}

void SpokenLine::say(const QString& text) {
    setText(text);
    follow();
    show();
    raise();
    hideTimer_.start(kShownMillis);
    // Qt tells screen readers of every description set, the same text again too.
    QWidget* focus = window()->focusWidget();
    (focus ? focus : window())->setAccessibleDescription(text);
}

void SpokenLine::follow() {
    // As wide as the anchor, the text wrapped to that width, right under it.
    setWordWrap(true);
    setFixedWidth(anchor_->width());
    adjustSize();
    move(anchor_->x(), anchor_->y() + anchor_->height() + 4);
}

bool SpokenLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == anchor_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        follow();
    }
    return QLabel::eventFilter(watched, event);
}

}  // namespace boltik::qt
