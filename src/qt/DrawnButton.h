// Pictures that act on a mouse click (the settings gear, ДАЛЕЕ, «Заново», the question's two
// buttons, the editor's palette, the crawler's directions) made into buttons for the keyboard
// and for screen readers.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace boltik::qt {

// Lives as a child of its picture. The picture keeps its own click handling: a key press or a
// screen reader's press sends it a click, so every way of pressing does exactly what a click
// does.
class DrawnButton : public QObject {
    Q_OBJECT

public:
    // Makes the picture a button: reached by Tab, pressed by Space, Return or Enter, named for
    // screen readers, and framed while it has the keyboard focus. A click with the mouse does
    // not take the focus, as before.
    static DrawnButton* make(QWidget* picture, const QString& name);
    // The button a picture was made into, or nothing.
    static DrawnButton* of(const QObject* picture);
    // A left click at the picture's centre: a press, then a release.
    static void click(QWidget* picture);

    // For a button that stands for a choice (a tool of the palette): whether it is the chosen
    // one, asked whenever a screen reader wants to know.
    void setChecked(std::function<bool()> checked) { checked_ = std::move(checked); }
    std::optional<bool> checked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DrawnButton(QWidget* picture);

    QWidget* picture_;
    QWidget* focusFrame_;
    std::function<bool()> checked_;
};

}  // namespace boltik::qt
