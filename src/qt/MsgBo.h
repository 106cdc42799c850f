// MsgBo: the program's own two-button question window, and AskUser that shows it.
#pragma once

#include <QDialog>
#include <QLabel>

#include "core/game/Questions.h"

namespace boltik::qt {

class MsgBo : public QDialog {
    Q_OBJECT

public:
    MsgBo(const QString& text, const QString& caption1, const QString& caption2,
          QWidget* parent = nullptr);

    // 1 after a click on the first button, 2 after the second; a window closed without a
    // click answers 2, as the second button always means "no".
    int answer() const { return answer_; }

    QLabel* caption(int button) const { return button == 1 ? caption1_ : caption2_; }
    QWidget* clickArea(int button) const { return button == 1 ? clickArea1_ : clickArea2_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addButtonPicture(int left);
    QLabel* addCaption(const QString& text, int left);
    QWidget* addClickArea(int left);
    void setCaptionColour(QLabel* label, const QColor& colour);

    QImage tile_;
    QLabel* caption1_ = nullptr;
    QLabel* caption2_ = nullptr;
    QWidget* clickArea1_ = nullptr;
    QWidget* clickArea2_ = nullptr;
    int answer_ = 2;
};

// AskUser: shows the question modally and returns 1 or 2.
int AskUser(const QString& text, const QString& caption1, const QString& caption2,
            QWidget* parent = nullptr);
int AskUser(const game::Question& question, QWidget* parent = nullptr);

}  // namespace boltik::qt
