// KudaSow: the small window in which the crawler's heading is chosen.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, editor::kCrawlerChoiceCount> kudaSowa_{};
    std::optional<int> choice_;
};

}  // namespace boltik::qt
