// MsgBo: the program's own two-button question window, and AskUser that shows it.
#pragma once

#include <QDialog>
#include <QLabel>

namespace boltik::qt {

class MsgBo : public QDialog {
    Q_OBJECT

public:
    MsgBo(const QString& text, const QString& caption1, const QString& caption2,
          QWidget* parent = nullptr);

    // 1 after a click on the first button, 2 after the second; a window closed without a
    // click answers 2, as the second button always means "no".
    int answer() const { return answer_; }

    QLabel* caption(int button) const { return button == 1 ? but1_ : but2_; }
    QWidget* clickArea(int button) const { return button == 1 ? button1_ : button2_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addButtonPicture(int left);
    QLabel* addCaption(const QString& text, int left);
    QWidget* addClickArea(int left);
    void setCaptionColour(QLabel* label, const QColor& colour);

    QImage fon_;
    QLabel* but1_ = nullptr;
    QLabel* but2_ = nullptr;
    QWidget* button1_ = nullptr;
    QWidget* button2_ = nullptr;
    int answer_ = 2;
};

// AskUser: shows the question modally and returns 1 or 2.
int AskUser(const QString& text, const QString& caption1, const QString& caption2,
            QWidget* parent = nullptr);

}  // namespace boltik::qt
