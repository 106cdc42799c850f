// The editor's proof: a search of the board as it stands for its shortest solution, off the
// window's thread, with the time it has taken and a button to stop it; then the answer, and
// for a solvable board the choice to watch the solution.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "core/editor/Editor.h"
#include "core/solver/Solver.h"

namespace boltik::qt {

class SolutionSearch;

class ProofDialog : public QDialog {
    Q_OBJECT

public:
    // Starts the search at once, on a copy of the model's board; the model is not changed.
    explicit ProofDialog(const editor::Editor& model, QWidget* parent = nullptr);
    ~ProofDialog() override;

    QLabel* answer() const { return answer_; }
    // «Остановить» while the search runs; «Закрыть» afterwards.
    QPushButton* stopButton() const { return stop_; }
    // «Показать решение», for a board found solvable.
    QPushButton* showButton() const { return show_; }
    bool searching() const { return search_ != nullptr; }

signals:
    // The author asked to watch the solution found: its inputs, from the board loaded afresh
    // with the guns' seed given.
    void showRequested(std::vector<boltik::solver::SolveInput> inputs, uint32_t seed);

private:
    void finished(std::optional<solver::SolveResult> result);
    void tick();

    QTemporaryDir dir_;
    std::unique_ptr<SolutionSearch> search_;
    bool guns_ = false;
    std::vector<solver::SolveInput> solution_;
    QLabel* answer_;
    QPushButton* stop_;
    QPushButton* show_;
    QTimer clock_;
};

}  // namespace boltik::qt
