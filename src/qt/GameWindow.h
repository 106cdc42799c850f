// The game window: the board in the middle of a full-screen window, the four counters, the
// replay button, pause, mute and help; a view over the session that plays the level.
#pragma once

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/game/Host.h"
#include "core/recording/Recording.h"
#include "core/session/Session.h"
#include "core/solver/Bound.h"
#include "core/solver/Solver.h"
#include "core/sound/Sounds.h"
#include "qt/BoardCanvas.h"
#include "qt/BoardMarks.h"
#include "qt/GameHost.h"
#include "qt/GraphicObjects.h"

namespace boltik::solver {
class Demo;
}

namespace boltik::qt {

class SolutionSearch;

class GameWindow : public QWidget, private GameView {
    Q_OBJECT

public:
    explicit GameWindow(sound::Sounds& sounds, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Enables the Starter timer: the player's own game, whose first tick opens the level
    // chooser.
    void start();
    // Plays a session instead: a recording played back, the editor's trial. The window
    // closes when its level has ended.
    void play(std::unique_ptr<session::Session> session);
    void setNanosPerRound(long nanos) { host_.setNanosPerRound(nanos); }

    // Pause (P or the Pause key, and whenever the program loses the focus): the main loop
    // stops advancing and waits for events; only the key resumes.
    bool paused() const override { return paused_ || demo_ == DemoState::Searching; }
    void setPaused(bool paused);
    QLabel* pausePlate() const { return pausePlate_; }
    // F1: pauses and shows the keys and the objects; any key closes it, the pause stays.
    QWidget* helpPlate() const { return helpPlate_; }
    void showHelp();
    // "Тур" and the number of the running level, beside the counters.
    QLabel* levelCaption() const { return levelCaption_; }
    // M silences every sound; the choice is kept for the next runs.
    bool muted() const { return muted_; }
    void setMuted(bool muted);
    // M: the sound off or on, kept for the next runs, and a short note saying which.
    void toggleMuted();
    // The program lost or regained the focus (another window, another desktop).
    void applicationStateChanged(Qt::ApplicationState state);

    // F2 in the player's game: finds how the level in play is won from its start, off the
    // window's thread, and shows it at the normal pace. Escape or the end of the showing puts the
    // player back at the level's start; no life is lost and nothing is recorded or written.
    void showSolution();
    // Backspace in the player's game: takes the level back three seconds (30 cycles) a press,
    // to its start at most, exactly as it was then. Not during a wreck or the curtain; no life
    // is lost; the recording keeps only what was finally played.
    void rewind();
    // Whether a solution is being searched for or shown.
    bool showingSolution() const { return demo_ != DemoState::None; }
    // The line over the board that tells of the search and the showing.
    QLabel* notePlate() const { return notePlate_; }
    // «Тур не пройти — нажмите «Заново»», once the level in play is certainly lost.
    QLabel* lostPlate() const { return lostPlate_; }
    // The frame of the cell that struck the robot (during its wreck) and the teleporter pairs
    // (while T is held).
    BoardMarks* boardMarks() const { return marks_; }
    // The sign beside the ammunition counter: shown when the robot's next shot is ready.
    QLabel* shotReadySign() const { return shotReady_; }

    board::World& world() { return world_; }
    game::Context& context() { return *ctx_; }
    BoardCanvas& boardCanvas() { return *boardCanvas_; }
    QLabel* counterLabel(int i) const { return counters_[i]; }
    QWidget* replayButton() const { return replayButton_; }

signals:
    // The game is over: the window was closed, or the player chose to leave.
    void gameEnded();
    // A call of the main loop has ended, its level finished or not.
    void levelEnded(bool finished);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The view the host of the main loop sees.
    void showCounters() override;
    bool boardChanged() override { return boardCanvas_->takeChanged(); }
    bool closed() const override { return closed_; }
    QWidget* dialogParent() override { return this; }
    void callEnded(bool finished) override;
    bool leavingLevel() const override {
        return restartLevel_ || demo_ == DemoState::Leaving ||
               (demo_ == DemoState::Playing && demoEnds_);
    }
    void betweenCycles() override;

    void solutionFound(std::optional<solver::SolveResult> result);
    // Plays the solution found, once the level in play has been left, and then puts the
    // player's game back at the level's start.
    void playDemo();
    void showNote(const QString& text, int millis = 0);
    // Once a cycle: whether the level in play can still be won.
    void checkLost();
    // Puts the level in play into the state it had `cycles` cycles ago, as its recording
    // played headless from the start gives it.
    void takeBack(long cycles);
    void starterTick();
    void layoutControls();
    void addCounter(int index, const QString& icon);
    // A key or the replay button in play: told to the session, then given to the game.
    void input(recording::Event::Kind kind, board::Dir dir = board::Dir::Up);

    board::World world_;
    GraphicObjects graphics_;
    BoardCanvas* boardCanvas_;
    sound::Sounds& sounds_;
    GameHost host_;
    std::unique_ptr<game::Context> ctx_;
    std::array<QLabel*, 4> counters_{};  // lives, bolts, keys, ammunition
    std::array<QLabel*, 4> icons_{};
    std::array<std::string, 4> shown_;  // the captions the labels show
    QLabel* replayButton_;
    QImage texture_;
    QTimer starter_;
    bool inTick_ = false;
    bool closed_ = false;
    bool paused_ = false;
    QLabel* pausePlate_;
    QWidget* helpPlate_;
    QLabel* levelCaption_;
    std::string shownLevel_;
    bool muted_ = false;

    enum class DemoState { None, Searching, Leaving, Playing };
    DemoState demo_ = DemoState::None;
    bool demoEnds_ = false;  // Escape during the showing
    std::unique_ptr<SolutionSearch> search_;
    std::unique_ptr<solver::Demo> pendingDemo_;
    std::optional<recording::Recording> demoStart_;
    QLabel* notePlate_;
    QTimer noteTimer_;

    QLabel* lostPlate_;
    std::unique_ptr<solver::Reach> reach_;  // of the level in play, from its first cycle
    long checkedCycle_ = 0;
    bool writeFailureTold_ = false;
    long rewindBy_ = 0;          // cycles asked for by Backspace, done between two cycles
    bool restartLevel_ = false;  // rewound to the start: the level loads again as it began
    QWidget* dimmer_;            // darkens the board for a moment after a rewind
    BoardMarks* marks_;
    QLabel* shotReady_;
    int captionRoom_ = 150;  // the width the level's caption may take before «Заново»
};

// What «Тур» names a level by: its number for a file named by a small number (7.tur, 007.tur),
// else its file name without ".tur".
QString levelTitle(const std::string& levelName);

}  // namespace boltik::qt
