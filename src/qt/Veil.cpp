// Dialogs inside a full-screen window.
#include "qt/Veil.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace boltik::qt {

bool Veil::wanted(const QString& platformName, const QWidget* window) {
    return platformName == QStringLiteral("wayland") && window && window->isVisible() &&
           window->isFullScreen();
}

std::unique_ptr<Veil> Veil::over(QWidget* parent) {
    if (!parent || !wanted(QGuiApplication::platformName(), parent->window())) return nullptr;
    return std::make_unique<Veil>(parent->window());
}

Veil::Veil(QWidget* window) : QWidget(window), focusBefore_(window->focusWidget()) {
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(window->rect());
    window->installEventFilter(this);
    raise();
    show();
}

Veil::~Veil() {
    if (dialog_ && dialog_->parent() == this) dialog_->setParent(nullptr);
    hide();
    if (focusBefore_) focusBefore_->setFocus(Qt::OtherFocusReason);
}

void Veil::hold(QWidget* dialog) {
    dialog_ = dialog;
    // The control the dialog gave the focus to before it was shown, as it would have it as a
    // window of its own; taking the dialog in clears it.
    QWidget* focus = dialog->focusWidget();
    // A child has no window frame: only what the dialog draws itself shows.
    dialog->setParent(this, Qt::Widget);
    centre();
    dialog->show();
    dialog->raise();
    (focus ? focus : dialog)->setFocus(Qt::OtherFocusReason);
}

void Veil::centre() {
    if (dialog_) dialog_->move(rect().center() - dialog_->rect().center());
}

bool Veil::event(QEvent* event) {
    switch (event->type()) {
        // What the dialog leaves goes no further: the window under the veil sees none of it.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        // Taken here, a key is no shortcut of the window under the veil (F3, which reads the
        // board); it goes on to the dialog as a plain key instead.
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        default:
            return QWidget::event(event);
    }
}

bool Veil::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        centre();
    }
    return QWidget::eventFilter(watched, event);
}

bool Veil::focusNextPrevChild(bool next) {
    // Tab goes round the dialog's controls, never out to the window under the veil.
    if (!dialog_) return QWidget::focusNextPrevChild(next);
    QWidget* at = QApplication::focusWidget();
    if (!at || !dialog_->isAncestorOf(at)) at = dialog_;
    QWidget* candidate = at;
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate != at && dialog_->isAncestorOf(candidate) && candidate->isVisible() &&
            candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (candidate != at);
    return true;
}

}  // namespace boltik::qt
