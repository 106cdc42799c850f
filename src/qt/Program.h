// The program's windows and who opens whom: the start menu first; from it the game, the level
// editor, the settings editor, or the end of the program.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/solver/Solver.h"
#include "qt/FrmMeny.h"
#include "qt/GameWindow.h"
#include "sdl/MixerSounds.h"

namespace boltik::qt {

class Program : public QObject {
    Q_OBJECT

public:
    Program();
    ~Program() override;

    // Shows the start menu, first leading the user through the settings editor while
    // settings.ini cannot build it. False when the program is to end at once: the settings
    // editor was closed without saving over a file that still cannot build the menu.
    bool start();

    // The game button: opens the sound device and the twelve effects, then the game window,
    // which closes the menu. When the sound cannot be set up, shows the message in a
    // standard OK box and ends the program; the game window is never created.
    bool openGame();
    // The editor button, once access is granted: the level editor replaces the menu, and
    // closing it brings the menu back.
    void openEditor();
    // The editor's test-play: a copy of its board, in a temporary folder of its own, played
    // by a trial in a game window over the editor; closing that window brings the editor back
    // with its board unchanged. One trial at a time.
    void openTrial();
    // The editor's proof found a solution, to be watched: played the same way as a trial, by
    // the solution's inputs; Escape or its end brings the editor back.
    void showSolution(std::vector<solver::SolveInput> inputs, uint32_t seed);
    // boltik --replay FILE: shows a recorded game in the game window at the normal pace, in
    // place of the menu. False, after a message, when the file is not a recording or its level
    // has changed since.
    bool startReplay(const QString& file);

    FrmMeny* menu() const { return menu_; }
    GameWindow* gameWindow() const { return game_.get(); }
    GameWindow* trialWindow() const { return trial_; }
    QWidget* editor() const { return editor_; }
    // The program's exit status once finished: 1 when it ended for a failure (its sounds could
    // not be set up), 0 otherwise.
    int exitCode() const { return exitCode_; }

signals:
    // The program is to end.
    void finished();

private:
    bool showMenu();
    void openSettings();
    bool openSound();
    // The trial's sounds: the device when it can be opened, silence when not; the editor stays
    // open either way.
    sound::Sounds& trialSounds();
    // A trial, or with a solution given, the solution shown.
    void openTrialWindow(const std::vector<solver::SolveInput>* solution, uint32_t seed);

    QPointer<FrmMeny> menu_;
    QPointer<QWidget> editor_;
    std::unique_ptr<sdl::MixerSounds> sounds_;
    sound::SilentSounds silence_;
    std::unique_ptr<GameWindow> game_;
    QPointer<GameWindow> trial_;
    std::unique_ptr<QTemporaryDir> trialDir_;
    int exitCode_ = 0;
};

}  // namespace boltik::qt
