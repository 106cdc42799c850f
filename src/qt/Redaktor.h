// Redaktor: the level editor's window, a view over the core's editor model: the grid, the
// palette, the counters, the file menu, undo and redo, and the question before unsaved changes
// go.
#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <array>
#include <optional>

#include "core/editor/Editor.h"
#include "core/solver/Solver.h"

namespace boltik::qt {

class EditorGrid;

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
    QAction* proveAction() const { return mnuProve_; }

    // Test-play (F5): a teleporter still awaiting its partner is put back, as leaving the
    // editor does, and the board as it stands is offered for play (testPlayRequested); the
    // program plays it in a game window over the editor.
    void testPlay();
    // F6 or «Решаемость»: the board as it stands is searched for its shortest solution in a
    // window of its own, which answers and may offer to show it (solutionShowRequested).
    void prove();
    // Whether the level may be saved as name: yes for a new file or the file being edited;
    // for another existing file, when the author answers «Да» to «Файл N.tur уже есть.
    // Заменить ?» (the harmless answer «Нет»).
    bool mayReplace(const QString& name);

    std::optional<int> chooseCrawlerHeading() override;

    // Applies what the model changed: the cells to redraw, the labels, the pairing frame, and
    // the title with the file's name and a mark while there are unsaved changes.
    void refresh();

signals:
    // The window has closed: the start menu comes back.
    void closed();
    // F5 or «Проверить»: the board of model() is to be played as it stands.
    void testPlayRequested();
    // The solution found for the board is to be shown: its inputs and the guns' seed.
    void solutionShowRequested(std::vector<boltik::solver::SolveInput> inputs, uint32_t seed);

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
    QAction* mnuProve_;
};

}  // namespace boltik::qt
