// Redaktor: the level editor's window, a view over the core's editor model: the grid, the
// palette, the counters, the file menu, undo and redo, and the question before unsaved changes
// go.
#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/editor/Editor.h"
#include "core/sound/Sounds.h"

namespace boltik::qt {

class EditorGrid;
class GameWindow;

class Redaktor : public QMainWindow, public editor::EditorHost {
    Q_OBJECT

public:
    explicit Redaktor(QWidget* parent = nullptr);

    editor::Editor& model() { return model_; }
    QWidget* grid() const;
    const QImage& gridPicture() const;
    QLabel* paletteItem(int tool) const { return obje_[tool]; }
    QWidget* selectionFrame() const { return obwod_; }
    QLabel* preview() const { return prew_; }
    QLabel* columnLabel() const { return lef_; }
    QLabel* rowLabel() const { return toz_; }
    QLabel* boltCounter() const { return kolbolts_; }
    QAction* newAction() const { return mnuNew_; }
    QAction* loadAction() const { return mnuLoad_; }
    QAction* saveAction() const { return mnuSave_; }
    QAction* exitAction() const { return cmdExit_; }
    QAction* testPlayAction() const { return mnuTest_; }

    // Where test-play takes its sounds from, asked at each test-play; silence until set.
    using SoundSource = std::function<sound::Sounds&()>;
    void setSoundSource(SoundSource source) { soundSource_ = std::move(source); }
    // Test-play (F5): the board as it stands, played in a game window over the editor; the
    // editor comes back with its board unchanged when that window closes.
    void testPlay();
    GameWindow* trialWindow() const { return trial_; }

    std::optional<int> chooseCrawlerHeading() override;

    // Applies what the model changed: the cells to redraw, the labels, the pairing frame, and
    // the title with the file's name and a mark while there are unsaved changes.
    void refresh();

signals:
    // The window has closed: the start menu comes back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectTool(int tool);
    void newLevel();
    void loadLevel();
    // Save through the chooser: false when the chooser was closed or the save failed.
    bool saveLevel();
    // Before New, Load or leaving: with unsaved changes asks whether to save them first.
    // True when the action may go on: nothing unsaved, "Нет", or saved; a closed chooser or a
    // failed save keeps everything as it is.
    bool mayDropChanges();

    editor::Editor model_;
    EditorGrid* polle_;
    std::array<QLabel*, editor::kTools> obje_{};
    QWidget* obwod_;
    QLabel* prew_;
    QLabel* lef_;
    QLabel* toz_;
    QLabel* kolbolts_;
    QAction* mnuNew_;
    QAction* mnuLoad_;
    QAction* mnuSave_;
    QAction* cmdExit_;
    QAction* mnuTest_;
    sound::SilentSounds silence_;
    SoundSource soundSource_;
    QPointer<GameWindow> trial_;
    std::unique_ptr<QTemporaryDir> trialDir_;
};

}  // namespace boltik::qt
