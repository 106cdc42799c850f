// KudaSow: the small window in which the crawler's heading is chosen, with the mouse or the
// keyboard.
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>
#include <optional>

#include "core/editor/Palette.h"

namespace boltik::qt {

class KudaSow : public QDialog {
    Q_OBJECT

public:
    explicit KudaSow(QWidget* parent = nullptr);

    // Shows the window modally: the picture chosen, an index of editor::kCrawlerChoices, or
    // nothing when it was closed.
    static std::optional<int> choose(QWidget* parent);

    std::optional<int> choice() const { return choice_; }
    QLabel* picture(int i) const { return kudaSowa_[i]; }
    // What a picture says, for screen readers: «Вверх, стена справа» and the like.
    static QString choiceName(int i);

protected:
    // The arrows move the focus between the pictures; Enter or Space on one answers.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int focusedPicture() const;

    std::array<QLabel*, editor::kCrawlerChoiceCount> kudaSowa_{};
    std::optional<int> choice_;
};

}  // namespace boltik::qt
