// Dialogs opened inside a full-screen window instead of over it, for the desktops that do not
// give the keyboard back to a full-screen window when a window of its own closes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

namespace boltik::qt {

// A clear cover over the whole of a window, holding one dialog in its middle: it takes the
// mouse and the keys from what lies under it, and keeps Tab among the dialog's controls, so
// the dialog is as modal as one of its own. When it goes, the focus goes back where it was.
//
// Wayland compositors place a full-screen window in a layer of its own, and Weston does not
// activate it again when a dialog over it closes: the game's arrows would do nothing until
// the board was clicked. Inside the window nothing needs the compositor.
class Veil : public QWidget {
    Q_OBJECT

public:
    // A veil over the window of `parent` when its dialogs should open inside it: on Wayland,
    // when the window is full-screen. Otherwise nothing, and the dialog opens as a window.
    static std::unique_ptr<Veil> over(QWidget* parent);
    // The same test for the platform and window given, for the tests.
    static bool wanted(const QString& platformName, const QWidget* window);

    explicit Veil(QWidget* window);
    ~Veil() override;

    // Takes the dialog in as a child, centred, shown, and with the focus. The dialog must be
    // destroyed or taken out before the veil.
    void hold(QWidget* dialog);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void centre();

    QPointer<QWidget> dialog_;
    QPointer<QWidget> focusBefore_;
};

}  // namespace boltik::qt
