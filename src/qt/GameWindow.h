// The game window: the board in the middle of a full-screen window, the four counters, the
// replay button, and the host that lets the main loop run inside the window system.
#pragma once

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/game/Host.h"
#include "core/replay/Recorder.h"
#include "core/sound/Sounds.h"
#include "qt/BoardCanvas.h"
#include "qt/GraphicObjects.h"

namespace boltik::qt {

// Pacing: a cycle column is 2001 rounds; this many nanoseconds a round gives about ten
// cycles a second on the 19-column board.
inline constexpr long kDefaultNanosPerRound = 2630;

class GameWindow : public QWidget, public game::Host {
    Q_OBJECT

public:
    explicit GameWindow(sound::Sounds& sounds, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Enables the Starter timer: the first tick opens the level chooser.
    void start();
    // Plays a recorded game instead of taking the keyboard: its level, its inputs at their
    // yields and its answers; the window closes when the level has ended, or a thousand
    // cycles past the recorded length. Nothing is written: no recording, no progress, no
    // counter file.
    void playRecording(replay::Replay recording);
    void setNanosPerRound(long nanos) { nanosPerRound_ = nanos; }
    // Test-play from the editor: plays a level file once and closes when it ends, finished or
    // wrecked, or on Escape. The lives are not shown, nothing is recorded, and the counter
    // file is left as it was.
    void playTrial(const std::string& levelFile);
    bool trial() const { return trial_; }

    // Pause (P or the Pause key, and whenever the program loses the focus): the main loop
    // stops advancing and waits for events; only the key resumes.
    bool paused() const { return paused_; }
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
    // The program lost or regained the focus (another window, another desktop).
    void applicationStateChanged(Qt::ApplicationState state);

    board::World& world() { return world_; }
    game::Context& context() { return *ctx_; }
    BoardCanvas& boardCanvas() { return *boardCanvas_; }
    QLabel* counterLabel(int i) const { return counters_[i]; }
    QWidget* replayButton() const { return replayButton_; }

    void yield() override;
    void pace(int rounds) override;
    int askUser(const game::Question& question) override;
    std::optional<std::string> chooseLevel() override;
    double random() override { return uniform_(generator_); }
    void onLevelStart() override;
    void onLevelEnd(bool finished) override;

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
    void starterTick();
    void syncCounters();
    void layoutControls();
    void addCounter(int index, const QString& icon);
    // A key or the replay button in play: kept in the recording, then given to the game.
    void input(replay::Event::Kind kind, board::Dir dir = board::Dir::Up);

    board::World world_;
    GraphicObjects graphics_;
    BoardCanvas* boardCanvas_;
    sound::Sounds& sounds_;
    std::unique_ptr<game::Context> ctx_;
    std::array<QLabel*, 4> counters_{};  // lives, bolts, keys, ammunition
    std::array<QLabel*, 4> icons_{};
    std::array<std::string, 4> shown_;  // the captions the labels show
    QLabel* replayButton_;
    QImage texture_;
    QTimer starter_;
    bool inTick_ = false;
    bool closed_ = false;
    static constexpr std::chrono::microseconds kEventInterval{2000};
    std::chrono::steady_clock::time_point lastEvents_{};
    long nanosPerRound_ = kDefaultNanosPerRound;
    // Pacing keeps a deadline and sleeps only once it is a beat ahead: a column is five
    // milliseconds, and three columns to a sleep (a screen frame at 60 Hz) are a third of the
    // wake-ups with no visible change.
    // Fallen further behind than the slack (a question was open, the level was paused), the
    // pace starts afresh instead of rushing to catch up.
    static constexpr std::chrono::milliseconds kPaceBeat{16};
    static constexpr std::chrono::milliseconds kPaceSlack{50};
    std::chrono::steady_clock::time_point paceDeadline_{};
    // The guns' random numbers: a generator seeded afresh at every level start, so that a
    // recording keeps the seed and plays the guns again as they fired.
    std::mt19937 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    std::mt19937 seeds_;
    replay::Recorder recorder_;
    std::optional<replay::Player> player_;
    bool paused_ = false;
    QLabel* pausePlate_;
    QWidget* helpPlate_;
    QLabel* levelCaption_;
    std::string shownLevel_;
    bool muted_ = false;
    bool trial_ = false;
};

}  // namespace boltik::qt
