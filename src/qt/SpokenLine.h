// A line that shows, under the board or the editor's grid, the text a key reads aloud, and hands
// that text to the screen reader.
#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>

namespace boltik::qt {

// Qt 6.4 has no announcement event for screen readers. What they do read at once is a change of
// the focused object's description, so the text becomes the description of the widget that has
// the focus in the line's window; the line shows it too, for whoever watches the screen, and
// screen readers that follow the line hear its text change.
class SpokenLine : public QLabel {
    Q_OBJECT

public:
    // Sits just under anchor, in anchor's parent, and follows it when it moves or grows.
    explicit SpokenLine(QWidget* anchor);

    // Shows the text for a while and gives it to the screen reader; the same text said again
    // is told again.
    void say(const QString& text);

    // How long the line stays in sight.
    static constexpr int kShownMillis = 8000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QWidget* anchor_;
    QTimer hideTimer_;
};

}  // namespace boltik::qt
