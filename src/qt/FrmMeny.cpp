// The start menu: its load sequence, window shape, dragging and buttons.
#include "qt/FrmMeny.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <cstdlib>

#include "qt/DrawnButton.h"
#include "qt/GraphicObjects.h"
#include "qt/MsgBo.h"
#include "qt/RoundedWindow.h"
#include "qt/Tiling.h"
#include "qt/Twips.h"

namespace boltik::qt {

namespace {

constexpr int kClientWidth = px(5010);
constexpr int kClientHeight = px(3510);
constexpr int kGrowth = px(1000);
constexpr double kCornerEllipse = 75;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

void nameIfBlank(QPushButton* button, const QString& name) {
    button->setAccessibleName(button->text().trimmed().isEmpty() ? name : QString());
}

}  // namespace

FrmMeny::FrmMeny(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      cmdGame_(new QPushButton(QStringLiteral("Тренинг"), this)),
      cmdProekt_(new QPushButton(QStringLiteral("Разработка"), this)),
      cmdExit_(new QPushButton(QStringLiteral("Выход"), this)),
      cmdSettings_(new QLabel(this)),
      header_(new QWidget(this)),
      iz_(uiPicture(QStringLiteral("menu_tile"))),
      izo_(uiPicture(QStringLiteral("menu_header"))),
      outline_(currentOutline()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    prepareOutline(*this, outline_);
    setWindowTitle(QStringLiteral("Меню"));
    resize(kClientWidth, kClientHeight);
    cmdGame_->setGeometry(twipsRect(1000, 960, 3000, 500));
    cmdProekt_->setGeometry(twipsRect(1000, 1680, 3000, 500));
    cmdExit_->setGeometry(twipsRect(1000, 2400, 3000, 500));
    cmdSettings_->setGeometry(twipsRect(4440, 2880, 240, 240));
    cmdSettings_->setPixmap(QPixmap::fromImage(uiPicture(QStringLiteral("settings_icon"))));
    cmdSettings_->setCursor(Qt::PointingHandCursor);
    cmdSettings_->setToolTip(QStringLiteral("Настройки (F2)"));
    cmdSettings_->installEventFilter(this);
    // The gear comes after the three buttons in the Tab order; F2 opens the settings too.
    DrawnButton::make(cmdSettings_, QStringLiteral("Настройки"));
    auto* settingsKey = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(settingsKey, &QShortcut::activated, this, &FrmMeny::settingsRequested);
    header_->setGeometry(twipsRect(0, 0, 915, 480));
    header_->installEventFilter(this);
    connect(cmdGame_, &QPushButton::clicked, this, &FrmMeny::gameRequested);
    connect(cmdProekt_, &QPushButton::clicked, this, &FrmMeny::askForEditor);
    connect(cmdExit_, &QPushButton::clicked, this, &FrmMeny::askToExit);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

bool FrmMeny::fail(const QString& why) {
    failure_ = why;
    return false;
}

bool FrmMeny::load() {
    using namespace settings;
    const SettingsRead read = readSettingsFile();
    if (!read.ok) return fail(QStringLiteral("settings.ini: ") + fromUtf8(read.error));
    const Settings& s = read.settings;
    editorTag_ = fromUtf8(s.editorAccess);
    cmdProekt_->setVisible(editorAccessOf(s.editorAccess) != EditorAccess::Hidden);
    tiled_ = pictureValueOf(s.background) != PictureValue::None;
    if (pictureValueOf(s.background) == PictureValue::File) {
        iz_ = QImage(fromUtf8(s.background));
        if (iz_.isNull()) return fail(QStringLiteral("cannot load ") + fromUtf8(s.background));
    }
    headerShown_ = pictureValueOf(s.header) != PictureValue::None;
    header_->setVisible(headerShown_);
    if (pictureValueOf(s.header) == PictureValue::File) {
        izo_ = QImage(fromUtf8(s.header));
        if (izo_.isNull()) return fail(QStringLiteral("cannot load ") + fromUtf8(s.header));
    }
    if (iconValueOf(s.icon) == PictureValue::File) {
        const QImage icon(fromUtf8(s.icon));
        if (icon.isNull()) return fail(QStringLiteral("cannot load ") + fromUtf8(s.icon));
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    }
    setWindowTitle(fromUtf8(s.caption));
    cmdGame_->setText(fromUtf8(s.gameButton));
    cmdProekt_->setText(fromUtf8(s.editorButton));
    cmdExit_->setText(fromUtf8(s.exitButton));
    // A button whose caption the file left empty is still named for screen readers, by what
    // it does.
    nameIfBlank(cmdGame_, QStringLiteral("Игра"));
    nameIfBlank(cmdProekt_, QStringLiteral("Редактор"));
    nameIfBlank(cmdExit_, QStringLiteral("Выход"));
    // Nothing here draws random numbers; the seed is kept as the menu has always set it.
    std::srand(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    shapeWindow();
    failure_.clear();
    return true;
}

void FrmMeny::shapeWindow() {
    const QPainterPath outline =
        roundedOutline(QSizeF(kClientWidth, kClientHeight), QSizeF(kCornerEllipse, kCornerEllipse));
    if (outline_ == Outline::Painted) {
        // The window is the shape: nothing beyond it would be seen, and it would take the
        // mouse.
        resize(kClientWidth, kClientHeight);
    } else {
        // The rounded shape is cut from the window at its designed size; only then does the
        // window grow, so the visible shape keeps the designed size.
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
        resize(kClientWidth + kGrowth, kClientHeight + kGrowth);
    }
    header_->resize(width(), header_->height());
    update();
}

void FrmMeny::paintEvent(QPaintEvent*) {
    QImage surface = widgetSurface(*this);
    surface.fill(palette().color(QPalette::Window));
    if (tiled_) TileForm(surface, iz_, 1);
    if (headerShown_) TileHeader(surface, izo_, 1);
    if (outline_ == Outline::Painted) {
        paintInsideOutline(*this, surface,
                           roundedOutline(size(), QSizeF(kCornerEllipse, kCornerEllipse)));
    } else {
        QPainter(this).drawImage(0, 0, surface);
    }
}

bool FrmMeny::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdSettings_ && event->type() == QEvent::MouseButtonRelease) {
        emit settingsRequested();
        return true;
    }
    if (watched != header_) return QWidget::eventFilter(watched, event);
    const auto position = [event] {
        return static_cast<QMouseEvent*>(event)->position().toPoint();
    };
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            // Where windows may not place themselves (Wayland), the desktop moves it.
            if (QGuiApplication::platformName() == QStringLiteral("wayland") && windowHandle() &&
                windowHandle()->startSystemMove()) {
                return true;
            }
            dragging_ = true;
            grab_ = position();
            return true;
        case QEvent::MouseMove:
            if (dragging_) move(pos() + position() - grab_);
            return true;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

void FrmMeny::closeEvent(QCloseEvent* event) {
    emit closed();
    QWidget::closeEvent(event);
}

void FrmMeny::askForEditor() {
    if (editorTag_ == QStringLiteral("no")) {
        emit editorRequested();
        return;
    }
    QInputDialog prompt(this);
    prompt.setWindowTitle(QStringLiteral("БЕЗОПАСНОСТЬ"));
    prompt.setLabelText(QStringLiteral("ВВЕДИТЕ ПАРОЛЬ ДЛЯ ВХОДА В РЕДАКТОР УРОКОВ"));
    prompt.setTextEchoMode(QLineEdit::Password);
    prompt.setTextValue(QString());
    // Cancel counts as an empty entry.
    const QString entered = prompt.exec() == QDialog::Accepted ? prompt.textValue() : QString();
    if (entered == editorTag_) emit editorRequested();
}

void FrmMeny::askToExit() {
    if (AskUser(game::exitProgramQuestion(), this) == 1) emit exitRequested();
}

}  // namespace boltik::qt
