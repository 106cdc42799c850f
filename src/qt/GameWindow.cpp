// The game window: its load sequence, the Starter tick, the counters and the keyboard.
#include "qt/GameWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSettings>
#include <utility>

#include "core/board/Geometry.h"
#include "core/board/LevelFile.h"
#include "core/headless/HeadlessGame.h"
#include "core/io/Text.h"
#include "core/loop/MainLoop.h"
#include "core/player/Keyboard.h"
#include "core/session/Sessions.h"
#include "core/solver/Demo.h"
#include "qt/GameKeys.h"
#include "qt/HelpPlate.h"
#include "qt/SolutionSearch.h"
#include "qt/Tiling.h"

namespace boltik::qt {

namespace {

constexpr int kBoardTop = 72;
constexpr int kCounterTop = 20;

int screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1280;
}

}  // namespace

// What «Тур» names a level by: its number for a file named by a small number (7.tur, 007.tur),
// else its file name without ".tur".
QString levelTitle(const std::string& levelName) {
    QString base = QFileInfo(QString::fromStdString(levelName)).fileName();
    if (base.endsWith(QStringLiteral(".tur"), Qt::CaseInsensitive)) base.chop(4);
    bool small = !base.isEmpty() && base.size() <= 6;
    for (const QChar c : base)
        small = small && c >= u'0' && c <= u'9';
    return small ? QString::number(io::leadingNumber(base.toStdString())) : base;
}

GameWindow::GameWindow(sound::Sounds& sounds, QWidget* parent)
    : QWidget(parent),
      graphics_(screenWidth(), this),
      boardCanvas_(new BoardCanvas(graphics_, this)),
      sounds_(sounds),
      host_(*this),
      replayButton_(new QLabel(this)),
      texture_(uiPicture(QStringLiteral("tex"))),
      pausePlate_(makePausePlate(boardCanvas_)),
      helpPlate_(new HelpPlate(graphics_, this)),
      levelCaption_(new QLabel(this)),
      notePlate_(makeNotePlate(boardCanvas_)),
      lostPlate_(makeNotePlate(boardCanvas_)),
      dimmer_(new QWidget(boardCanvas_)),
      marks_(new BoardMarks(boardCanvas_)),
      shotReady_(new QLabel(QStringLiteral("●"), this)) {
    // The load sequence: counter file, window over the whole screen, sprites, board size.
    world_.bigCycles = board::readCounterFile();
    setWindowTitle(QStringLiteral("Болтик"));
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    ctx_ =
        std::make_unique<game::Context>(world_, graphics_.store(), *boardCanvas_, sounds_, host_);
    host_.attach(*ctx_);
    const int cell = graphics_.store().cellSize();
    boardCanvas_->setBoardSize(QSize(board::span(world_.lastCol + 1, cell * world_.scale),
                                     board::span(world_.lastRow + 1, cell * world_.scale)));
    boardCanvas_->fillKeptCopy(uiPicture(QStringLiteral("wspih")), 5);

    const QString icons[] = {QStringLiteral("icon_lives"), QStringLiteral("icon_bolt"),
                             QStringLiteral("icon_key"), QStringLiteral("icon_ammo")};
    for (int i = 0; i < 4; ++i)
        addCounter(i, icons[i]);
    levelCaption_->setFont(counters_[0]->font());
    levelCaption_->setStyleSheet(counters_[0]->styleSheet());
    levelCaption_->resize(150, 32);
    helpPlate_->hide();
    replayButton_->setPixmap(QPixmap::fromImage(uiPicture(QStringLiteral("zanowo"))));
    replayButton_->setCursor(Qt::PointingHandCursor);
    replayButton_->setToolTip(QStringLiteral("Заново"));
    replayButton_->installEventFilter(this);
    showCounters();
    layoutControls();

    // Over the wall ring at the top of the board, where it hides least of the play.
    pausePlate_->move((boardCanvas_->width() - pausePlate_->width()) / 2, 6);
    // Another window or another desktop taking the focus pauses a level in play.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &GameWindow::applicationStateChanged);
    setMuted(QSettings().value(QStringLiteral("sound/muted"), false).toBool());

    starter_.setInterval(1);
    connect(&starter_, &QTimer::timeout, this, &GameWindow::starterTick);
    dimmer_->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 110);"));
    marks_->setGeometry(boardCanvas_->rect());
    shotReady_->setStyleSheet(QStringLiteral("color: rgb(120, 230, 120); font-size: 14pt;"));
    shotReady_->setToolTip(QStringLiteral("Выстрел готов"));
    shotReady_->setAccessibleName(QStringLiteral("Выстрел готов"));
    shotReady_->resize(20, 32);
    shotReady_->hide();
    dimmer_->hide();
    noteTimer_.setSingleShot(true);
    connect(&noteTimer_, &QTimer::timeout, notePlate_, &QWidget::hide);
    lostPlate_->setText(QStringLiteral("Тур не пройти — нажмите «Заново»"));
    lostPlate_->adjustSize();
    lostPlate_->move((boardCanvas_->width() - lostPlate_->width()) / 2,
                     boardCanvas_->height() - lostPlate_->height() - 12);
}

GameWindow::~GameWindow() = default;

void GameWindow::addCounter(int index, const QString& icon) {
    auto* image = new QLabel(this);
    image->setPixmap(QPixmap::fromImage(uiPicture(icon)));
    image->resize(32, 32);
    icons_[index] = image;
    auto* label = new QLabel(this);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(18);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(255, 230, 120);"));
    label->resize(96, 32);
    counters_[index] = label;
}

void GameWindow::layoutControls() {
    boardCanvas_->move((width() - boardCanvas_->width()) / 2, kBoardTop);
    const int left = boardCanvas_->x();
    for (int i = 0; i < 4; ++i) {
        icons_[i]->move(left + i * 170, kCounterTop);
        counters_[i]->move(left + i * 170 + 40, kCounterTop);
    }
    replayButton_->setGeometry(left + boardCanvas_->width() - 112, kCounterTop - 7, 112, 46);
    // After the ammunition's count, which holds a few digits at most.
    shotReady_->move(counters_[3]->x() + 64, counters_[3]->y());
    levelCaption_->move(left + 4 * 170, kCounterTop);
    captionRoom_ = replayButton_->x() - levelCaption_->x() - 8;
    shownLevel_.clear();  // cut again to the new room
    if (graphics_.narrow()) {
        // On a narrow screen the bolts, keys and ammunition move to the bottom edge; the level
        // stays at the top beside the lives.
        for (int i = 1; i < 4; ++i) {
            counters_[i]->move(counters_[i]->x(), height() - counters_[i]->height() - 33);
            icons_[i]->move(icons_[i]->x(), height() - icons_[i]->height() - 20);
        }
        levelCaption_->move(left + 170, kCounterTop);
    }
    helpPlate_->move((width() - helpPlate_->width()) / 2,
                     std::max(0, (height() - helpPlate_->height()) / 2));
}

void GameWindow::resizeEvent(QResizeEvent*) {
    layoutControls();
}

void GameWindow::paintEvent(QPaintEvent*) {
    TileForm(*this, texture_, 1);
}

void GameWindow::start() {
    starter_.start();
}

void GameWindow::play(std::unique_ptr<session::Session> session) {
    host_.setSession(std::move(session));
    host_.session().prepare(*ctx_);
    counters_[0]->setVisible(host_.session().showsLives());
    icons_[0]->setVisible(host_.session().showsLives());
    start();
}

void GameWindow::setPaused(bool paused) {
    paused_ = paused;
    pausePlate_->setVisible(paused);
    pausePlate_->raise();
}

void GameWindow::setMuted(bool muted) {
    muted_ = muted;
    sounds_.setMuted(muted);
}

void GameWindow::toggleMuted() {
    setMuted(!muted_);
    QSettings().setValue(QStringLiteral("sound/muted"), muted_);
    if (demo_ == DemoState::None) {
        showNote(muted_ ? QStringLiteral("Звук выключен") : QStringLiteral("Звук включён"), 1500);
    }
}

void GameWindow::applicationStateChanged(Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && inTick_) setPaused(true);
}

void GameWindow::callEnded(bool finished) {
    if (auto* live = dynamic_cast<session::Live*>(&host_.session()); live && finished) {
        // A play folder that cannot be written keeps no result: said once a game.
        const std::string failure = live->takeWriteFailure();
        if (!failure.empty() && !writeFailureTold_) {
            writeFailureTold_ = true;
            showNote(QStringLiteral("Результат не записан в папку %1: %2")
                         .arg(QDir::toNativeSeparators(QDir::currentPath()),
                              QString::fromStdString(failure)),
                     8000);
        }
    }
    emit levelEnded(finished);
}

void GameWindow::starterTick() {
    // A tick that comes while the previous one is still running is not delivered: the timer
    // rests while a level is played, rather than waking the yields a thousand times a second.
    if (inTick_ || closed_) return;
    inTick_ = true;
    starter_.stop();
    try {
        if (host_.session().oneLevel()) {
            loop::Game(*ctx_);
            throw game::GameQuit{};
        }
        loop::Starter(*ctx_);
    } catch (const game::GameQuit&) {
        close();
    } catch (const LeaveLevel&) {
        if (restartLevel_) {
            // Taken back to the start: the level loads again as it began, its guns' seed too.
            restartLevel_ = false;
            if (auto* live = dynamic_cast<session::Live*>(&host_.session())) {
                if (const auto start = live->levelStart(world_)) start->restore(world_);
                live->repeatSeed();
            }
        } else {
            playDemo();
        }
    }
    inTick_ = false;
    if (!closed_) starter_.start();
}

void GameWindow::showNote(const QString& text, int millis) {
    notePlate_->setText(text);
    notePlate_->adjustSize();
    notePlate_->move((boardCanvas_->width() - notePlate_->width()) / 2, 12);
    notePlate_->show();
    notePlate_->raise();
    if (millis > 0) {
        noteTimer_.start(millis);
    } else {
        noteTimer_.stop();
    }
}

void GameWindow::checkLost() {
    const long cycle = ctx_->cycles;
    if (cycle == checkedCycle_) return;
    if (cycle < checkedCycle_) {
        // Another level, or the same one again.
        reach_.reset();
        lostPlate_->hide();
    }
    checkedCycle_ = cycle;
    if (cycle == 0 || lostPlate_->isVisible() || world_.wreckCountdown != 0) return;
    // Walls never change and teleporters are never made, so the board of any cycle tells
    // where the robot can ever go.
    if (!reach_) reach_ = std::make_unique<solver::Reach>(world_);
    if (!solver::cyclesToWin(*reach_, world_)) {
        lostPlate_->show();
        lostPlate_->raise();
    }
}

void GameWindow::showCounters() {
    checkLost();
    // The cell that struck the robot, framed for as long as its wreck runs.
    std::optional<QRect> struck;
    if (world_.wreckCountdown != 0 && ctx_->struckFrom) {
        const auto [x, y] = *ctx_->struckFrom;
        if (board::Board::inside(x, y)) {
            const int cell = static_cast<int>(graphics_.store().cellSize() * world_.scale);
            struck = QRect(world_.board.at(x, y, board::layer::kLeft),
                           world_.board.at(x, y, board::layer::kTop), cell, cell);
        }
    }
    marks_->markStruck(struck);
    // The robot fires at its next turn when it has ammunition and the fire delay is over.
    shotReady_->setVisible(world_.kolWeapon.value() > 0 && world_.wreckCountdown == 0 &&
                           world_.fireDelay + 1 >= board::kFireInterval && ctx_->cycles > 0);
    if (shownLevel_ != world_.levelName) {
        shownLevel_ = world_.levelName;
        const auto caption = host_.session().caption();
        const QString text = caption ? QString::fromStdString(*caption)
                                     : QStringLiteral("Тур %1").arg(levelTitle(shownLevel_));
        // A long name is cut with an ellipsis to its place, before «Заново».
        const QFontMetrics metrics = levelCaption_->fontMetrics();
        // A window too small to lay out (one not yet shown) leaves the caption whole.
        const int room = captionRoom_ >= 60 ? captionRoom_ : 1000;
        levelCaption_->setText(metrics.elidedText(text, Qt::ElideRight, room));
        levelCaption_->resize(metrics.horizontalAdvance(levelCaption_->text()) + 4, 32);
        levelCaption_->setToolTip(text);
    }
    // Runs at every yield: only a caption that changed is converted and shown.
    const board::Counter* values[] = {&world_.kolLives, &world_.kolBolt, &world_.kolKeys,
                                      &world_.kolWeapon};
    for (int i = 0; i < 4; ++i) {
        if (shown_[i] == values[i]->caption()) continue;
        shown_[i] = values[i]->caption();
        counters_[i]->setText(QString::fromStdString(shown_[i]));
    }
}

void GameWindow::input(recording::Event::Kind kind, board::Dir dir) {
    host_.session().input(host_.yieldPoint(), kind, dir);
    if (kind == recording::Event::Kind::Escape) {
        if (player::escape(*ctx_) == player::EscapeAnswer::Quit) close();
        return;
    }
    recording::apply({0, kind, dir}, *ctx_);
}

void GameWindow::showHelp() {
    setPaused(true);
    // The help covers the board; the pause plate comes back when it closes.
    pausePlate_->hide();
    helpPlate_->show();
    helpPlate_->raise();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    if (helpPlate_->isVisible()) {
        // Any key closes the help; the game stays paused until P.
        helpPlate_->hide();
        pausePlate_->setVisible(paused_);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        if (!event->isAutoRepeat() && !paused_) rewind();
        return;
    }
    if (keyByPlace(*event) == Qt::Key_T) {
        // Held: the halves of each teleporter pair joined by a line.
        if (!event->isAutoRepeat()) {
            marks_->showPairs(&world_.board,
                              static_cast<int>(graphics_.store().cellSize() * world_.scale),
                              world_.lastCol, world_.lastRow);
        }
        return;
    }
    if (event->key() == Qt::Key_F2) {
        if (!event->isAutoRepeat()) showSolution();
        return;
    }
    if (demo_ != DemoState::None && gameKey(event->key()).kind == GameKey::Kind::Escape) {
        // Escape ends the search or the showing, and only that.
        if (demo_ == DemoState::Searching) {
            search_.reset();
            demo_ = DemoState::None;
            notePlate_->hide();
        } else {
            demoEnds_ = true;
        }
        return;
    }
    // The letters by their place on the keyboard: P and M are where they are on any layout.
    const int placed = keyByPlace(*event);
    if (placed == Qt::Key_P || event->key() == Qt::Key_Pause) {
        if (!event->isAutoRepeat()) setPaused(!paused_);
        return;
    }
    if (placed == Qt::Key_M) {
        if (!event->isAutoRepeat()) toggleMuted();
        return;
    }
    const GameKey key = gameKey(event->key());
    if (key.kind == GameKey::Kind::Escape) {
        // A recording is only watched and a trial returns to the editor: Escape ends them.
        if (host_.session().escapeEnds()) {
            close();
        } else {
            input(recording::Event::Kind::Escape);
        }
    } else if (key.kind == GameKey::Kind::Arrow) {
        // While paused, or while a recording plays, the arrows wait: nothing moves by itself
        // afterwards.
        if (paused_ || !host_.session().takesInput()) return;
        const bool shot = asksForShot(event->modifiers());
        input(shot ? recording::Event::Kind::Shift : recording::Event::Kind::Press, key.dir);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void GameWindow::keyReleaseEvent(QKeyEvent* event) {
    if (keyByPlace(*event) == Qt::Key_T && !event->isAutoRepeat()) {
        marks_->showPairs(nullptr, 0, 0, 0);
        return;
    }
    // X11 auto-repeat sends release and press pairs while a key is held: those releases
    // must not clear the request.
    const GameKey key = gameKey(event->key());
    if (event->isAutoRepeat() || key.kind != GameKey::Kind::Arrow ||
        !host_.session().takesInput()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    input(recording::Event::Kind::Release, key.dir);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == replayButton_ && event->type() == QEvent::MouseButtonRelease) {
        if (host_.session().takesInput()) input(recording::Event::Kind::Wreck);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::closeEvent(QCloseEvent* event) {
    // Closing the game window ends the game, even in the middle of a level (the whole program,
    // or a trial from the editor): the main loop unwinds at its next yield.
    if (closed_) {
        event->accept();
        return;
    }
    closed_ = true;
    starter_.stop();
    search_.reset();
    // A trial ends but the program goes on: nothing of it may be heard afterwards.
    if (host_.session().silentAfter()) {
        for (int i = 0; i < sound::kEffectCount; ++i)
            sounds_.stop(static_cast<sound::Effect>(i));
    }
    event->accept();
    emit gameEnded();
}

}  // namespace boltik::qt
