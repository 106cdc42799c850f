// The level chooser window.
#include "qt/Filesel.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <algorithm>
#include <memory>

#include "core/board/LevelNames.h"
#include "core/board/LevelTitles.h"
#include "core/progress/Progress.h"
#include "qt/DrawnButton.h"
#include "qt/GraphicObjects.h"
#include "qt/RoundedWindow.h"
#include "qt/Veil.h"
#include "qt/Words.h"

namespace boltik::qt {

namespace {

const QColor kBlue(62, 90, 253);
const QSizeF kCornerEllipse(15, 15);
const QString kWhiteOnBlue = QStringLiteral(
    "color: white; background: rgb(62, 90, 253); border: 1px solid rgb(120, 140, 255);");

// The number a level file is named by ("10" of 10.tur), without its leading zeros; empty when
// the name is not a number.
QString numberOf(const QString& file) {
    QString base = file;
    if (base.endsWith(QStringLiteral(".tur"), Qt::CaseInsensitive)) base.chop(4);
    if (base.isEmpty()) return {};
    for (const QChar c : base) {
        if (c < u'0' || c > u'9') return {};
    }
    while (base.size() > 1 && base.front() == u'0')
        base.remove(0, 1);
    return base;
}

}  // namespace

QStringList inLevelOrder(QStringList files) {
    std::stable_sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const QString na = numberOf(a), nb = numberOf(b);
        if (na.isEmpty() != nb.isEmpty()) return nb.isEmpty();  // numbers first
        if (na.isEmpty()) return a < b;
        // Numbers of any length, compared as numbers: the shorter is the smaller.
        if (na.size() != nb.size()) return na.size() < nb.size();
        if (na != nb) return na < nb;
        return a < b;
    });
    return files;
}

Filesel::Filesel(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint),
      fileList_(new QListWidget(this)),
      nameBox_(new QLineEdit(QStringLiteral("1"), this)),
      okButton_(new QLabel(this)),
      outline_(currentOutline()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    prepareOutline(*this, outline_);
    setFixedSize(178, 282);
    QFont arial(QStringLiteral("Arial"));
    fileList_->setGeometry(8, 8, 161, 212);
    fileList_->setFont(arial);
    fileList_->setStyleSheet(kWhiteOnBlue);
    fileList_->addItems(inLevelOrder(
        QDir::current().entryList({QStringLiteral("*.tur")}, QDir::Files, QDir::Name)));
    markFinishedLevels();
    nameBox_->setGeometry(8, 224, 161, 19);
    nameBox_->setStyleSheet(kWhiteOnBlue);
    okButton_->setGeometry(8, 248, 159, 27);
    okButton_->setPixmap(QPixmap::fromImage(uiPicture(QStringLiteral("filesel_ok"))));
    okButton_->setCursor(Qt::PointingHandCursor);
    okButton_->installEventFilter(this);
    setAccessibleName(QStringLiteral("Выбор уровня"));
    fileList_->setAccessibleName(QStringLiteral("Файлы уровней"));
    nameBox_->setAccessibleName(QStringLiteral("Имя файла уровня"));
    DrawnButton::make(okButton_, QStringLiteral("ДАЛЕЕ"));

    connect(fileList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { nameBox_->setText(item->text()); });
    // Moving the selection with the keyboard copies the name as a click does. Entering the list
    // only marks its first entry without selecting it, so a name typed before is kept.
    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = fileList_->selectedItems();
        if (!selected.isEmpty()) nameBox_->setText(selected.first()->text());
    });
    connect(fileList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        nameBox_->setText(item->text());
        confirm();
    });
    // The window sees Enter before its controls.
    fileList_->installEventFilter(this);
    nameBox_->installEventFilter(this);

    if (outline_ == Outline::Mask) {
        setMask(QRegion(roundedOutline(size(), kCornerEllipse).toFillPolygon().toPolygon()));
    }
    // The caller waits for this window: closing the caller's window ends the wait too.
    if (parent) parent->installEventFilter(this);
    owner_ = parent;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void Filesel::markFinishedLevels() {
    // A level's tooltip is its title from the titles file, then, for a finished level, its
    // best result; a finished level also carries a tick. Its text stays the file name, so
    // choosing works as before.
    const progress::Progress progress = progress::Progress::load();
    const board::LevelTitles titles = board::readLevelTitles();
    const QIcon tick(QPixmap::fromImage(uiPicture(QStringLiteral("done_tick"))));
    for (int i = 0; i < fileList_->count(); ++i) {
        QListWidgetItem* item = fileList_->item(i);
        const std::string file = item->text().toStdString();
        QStringList lines;
        if (const auto title = titles.find(file); title != titles.end()) {
            lines << QString::fromStdString(title->second);
        }
        if (const auto best = progress.best(file)) {
            item->setIcon(tick);
            lines << QStringLiteral("Пройден. Лучший результат: %1%2, потеряно жизней: %3")
                         .arg(cyclesText(best->cycles),
                              best->rewound ? QStringLiteral(" (с перемоткой)") : QString())
                         .arg(best->livesLost);
        }
        if (!lines.isEmpty()) item->setToolTip(lines.join(u'\n'));
    }
}

void Filesel::confirm() {
    tag_ = QString::fromStdString(board::chooserFileName(nameBox_->text().toStdString()));
    emit chosen(tag_);
}

void Filesel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Filesel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_ && event->type() == QEvent::Close) {
        close();
        return false;
    }
    if (watched == okButton_ && event->type() == QEvent::MouseButtonRelease) {
        confirm();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Filesel::closeEvent(QCloseEvent* event) {
    if (tag_.isEmpty()) emit cancelled();
    QWidget::closeEvent(event);
}

void Filesel::paintEvent(QPaintEvent*) {
    if (outline_ == Outline::Mask) {
        QPainter(this).fillRect(rect(), kBlue);
        return;
    }
    QImage blue(size(), QImage::Format_RGB32);
    blue.fill(kBlue);
    paintInsideOutline(*this, blue, roundedOutline(size(), kCornerEllipse));
}

QString Filesel::choose(QWidget* parent) {
    // Where the desktop would not give a full-screen game the keyboard back, the chooser opens
    // inside the game's window.
    std::unique_ptr<Veil> veil = Veil::over(parent);
    Filesel chooser(parent);
    QEventLoop wait;
    connect(&chooser, &Filesel::chosen, &wait, &QEventLoop::quit);
    connect(&chooser, &Filesel::cancelled, &wait, &QEventLoop::quit);
    chooser.nameBox_->setFocus();
    chooser.nameBox_->selectAll();
    if (veil) {
        veil->hold(&chooser);
    } else {
        chooser.show();
        chooser.activateWindow();
        chooser.nameBox_->setFocus();
    }
    wait.exec();
    // The caller's window takes the keyboard back: the game's arrows work at once.
    chooser.hide();
    veil.reset();
    takeKeyboardBack(parent);
    return chooser.tag();
}

}  // namespace boltik::qt
