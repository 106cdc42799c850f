// The crawler direction window: four pictures, a press on one answers.
#include "qt/KudaSow.h"

#include <QEvent>

#include "qt/GraphicObjects.h"
#include "qt/Twips.h"

namespace boltik::qt {

KudaSow::KudaSow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Форма1"));
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
