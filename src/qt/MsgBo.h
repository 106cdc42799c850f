// MsgBo: the program's own two-button question window, and AskUser that shows it.
#pragma once

#include <QDialog>
#include <QLabel>

#include "core/game/Questions.h"

namespace boltik::qt {

class MsgBo : public QDialog {
    Q_OBJECT

public:
    // The keyboard's highlight starts on the button `selected` (1 or 2).
    MsgBo(const QString& text, const QString& caption1, const QString& caption2,
          QWidget* parent = nullptr, int selected = 2);

    // 1 after a click on the first button, 2 after the second; a window closed without a
    // click answers 2, as the second button always means "no".
    int answer() const { return answer_; }
    // True when a button was chosen (clicked, or given by Return, Enter or Space); false when
    // the window was dismissed with Escape or closed.
    bool chosen() const { return chosen_; }

    QLabel* caption(int button) const { return button == 1 ? caption1_ : caption2_; }
    // The button the keyboard's Return, Enter and Space answer with.
    int selected() const { return selected_; }
    QWidget* clickArea(int button) const { return button == 1 ? clickArea1_ : clickArea2_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addButtonPicture(int left);
    QLabel* addCaption(const QString& text, int left);
    QWidget* addClickArea(int left, const QString& caption);
    void setCaptionColour(QLabel* label, const QColor& colour);
    void select(int button);
    void pointerTakesOver();

    QImage tile_;
    QLabel* caption1_ = nullptr;
    QLabel* caption2_ = nullptr;
    QWidget* clickArea1_ = nullptr;
    QWidget* clickArea2_ = nullptr;
    int answer_ = 2;
    bool chosen_ = false;
    int selected_ = 2;
    bool pointerInUse_ = false;
};

// AskUser: shows the question modally and returns 1 or 2.
int AskUser(const QString& text, const QString& caption1, const QString& caption2,
            QWidget* parent = nullptr, int selected = 2);
int AskUser(const game::Question& question, QWidget* parent = nullptr);

}  // namespace boltik::qt
