// The crawler direction window: four pictures; a press on one answers, and so do the arrows
// with Enter or Space.
#include "qt/KudaSow.h"

#include <QEvent>
#include <QKeyEvent>

#include "qt/DrawnButton.h"
#include "qt/GraphicObjects.h"
#include "qt/Twips.h"

namespace boltik::qt {

namespace {

QString headingWord(board::Dir d) {
    switch (d) {
        case board::Dir::Up:
            return QStringLiteral("Вверх");
        case board::Dir::Down:
            return QStringLiteral("Вниз");
        case board::Dir::Left:
            return QStringLiteral("Влево");
        case board::Dir::Right:
            return QStringLiteral("Вправо");
    }
    return {};
}

QString sideWord(board::Dir d) {
    switch (d) {
        case board::Dir::Up:
            return QStringLiteral("сверху");
        case board::Dir::Down:
            return QStringLiteral("снизу");
        case board::Dir::Left:
            return QStringLiteral("слева");
        case board::Dir::Right:
            return QStringLiteral("справа");
    }
    return {};
}

}  // namespace

QString KudaSow::choiceName(int i) {
    const editor::CrawlerChoice& choice = editor::kCrawlerChoices[i];
    return headingWord(choice.heading) + QStringLiteral(", стена ") + sideWord(choice.hand);
}

KudaSow::KudaSow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Форма1"));
    setAccessibleName(QStringLiteral("Направление ползуна"));
    setFixedSize(px(4005), px(2265));
    setStyleSheet(QStringLiteral("QDialog { background: rgb(128, 128, 255); }"));
    for (int i = 0; i < editor::kCrawlerChoiceCount; ++i) {
        const editor::CrawlerChoice& choice = editor::kCrawlerChoices[i];
        kudaSowa_[i] = new QLabel(this);
        kudaSowa_[i]->setGeometry(twipsRect(choice.place.left, choice.place.top, 1860, 975));
        kudaSowa_[i]->setPixmap(
            QPixmap::fromImage(editorPicture(QString::fromLatin1(choice.picture))));
        kudaSowa_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        kudaSowa_[i]->setCursor(Qt::PointingHandCursor);
        kudaSowa_[i]->installEventFilter(this);
        DrawnButton::make(kudaSowa_[i], choiceName(i));
    }
    kudaSowa_[0]->setFocus();
}

int KudaSow::focusedPicture() const {
    for (int i = 0; i < editor::kCrawlerChoiceCount; ++i) {
        if (kudaSowa_[i]->hasFocus()) return i;
    }
    return 0;
}

void KudaSow::keyPressEvent(QKeyEvent* event) {
    // The pictures stand two by two: bit 0 of the index is the column, bit 1 the row.
    const int i = focusedPicture();
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            kudaSowa_[i ^ 1]->setFocus(Qt::OtherFocusReason);
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
            kudaSowa_[i ^ 2]->setFocus(Qt::OtherFocusReason);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool KudaSow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < editor::kCrawlerChoiceCount; ++i) {
            if (watched != kudaSowa_[i]) continue;
            choice_ = i;
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<int> KudaSow::choose(QWidget* parent) {
    KudaSow window(parent);
    window.exec();
    return window.choice();
}

}  // namespace boltik::qt
