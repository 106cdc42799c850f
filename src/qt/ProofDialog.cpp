// The editor's proof of its board.
#include "qt/ProofDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/board/Codes.h"
#include "qt/SolutionSearch.h"

namespace boltik::qt {

namespace {

// The bounds of the editor's search: the campaign's levels are solved well within them.
constexpr double kProofSeconds = 60;
constexpr std::size_t kProofStates = 5'000'000;
// Guns fire at random: a board with guns is searched for the shots of this seed.
constexpr uint32_t kProofSeed = 1;

bool hasGuns(const board::Board& b) {
    for (int x = 0; x < board::kBoardSize; ++x) {
        for (int y = 0; y < board::kBoardSize; ++y) {
            const int c = b.code(x, y);
            if (c == board::code::kGunDown || c == board::code::kGunUp) return true;
        }
    }
    return false;
}

QString seconds(double s) {
    return QString::number(s, 'f', 1) + QStringLiteral(" с");
}

// What a search that ended early has still proven.
QString noShorter(long depth) {
    if (depth <= 0) return {};
    return QStringLiteral(" Решения в %1 и короче нет.").arg(cyclesText(depth));
}

}  // namespace

ProofDialog::ProofDialog(const editor::Editor& model, QWidget* parent)
    : QDialog(parent),
      guns_(hasGuns(model.board())),
      answer_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Остановить"), this)),
      show_(new QPushButton(QStringLiteral("Показать решение"), this)) {
    setWindowTitle(QStringLiteral("Решаемость"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    answer_->setWordWrap(true);
    answer_->setMinimumWidth(380);
    answer_->setAccessibleName(QStringLiteral("Ответ"));
    show_->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(show_);
    buttons->addWidget(stop_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(answer_);
    column->addLayout(buttons);
    connect(stop_, &QPushButton::clicked, this, [this] {
        if (search_) {
            search_->stop();
        } else {
            accept();
        }
    });
    connect(show_, &QPushButton::clicked, this, [this] {
        emit showRequested(solution_, guns_ ? kProofSeed : 0);
        accept();
    });

    const QString file = dir_.filePath(QStringLiteral("proba.tur"));
    editor::FileResult saved{false, "нет временной папки"};
    if (dir_.isValid()) saved = model.saveCopy(file.toStdString());
    if (!saved) {
        answer_->setText(QStringLiteral("Не удалось начать поиск: %1")
                             .arg(QString::fromStdString(saved.message)));
        stop_->setText(QStringLiteral("Закрыть"));
        return;
    }
    solver::SolveLimits limits;
    limits.maxSeconds = kProofSeconds;
    limits.maxStates = kProofStates;
    if (guns_) limits.seed = kProofSeed;
    limits.anyLength = true;
    search_ = std::make_unique<SolutionSearch>(
        solver::startOf(file.toStdString(), guns_ ? kProofSeed : 0), limits);
    connect(search_.get(), &SolutionSearch::finished, this, &ProofDialog::finished);
    connect(&clock_, &QTimer::timeout, this, &ProofDialog::tick);
    clock_.start(200);
    tick();
}

ProofDialog::~ProofDialog() = default;

void ProofDialog::tick() {
    if (!search_) return;
    answer_->setText(QStringLiteral("Ищу кратчайшее решение… %1").arg(seconds(search_->elapsed())));
}

void ProofDialog::finished(std::optional<solver::SolveResult> result) {
    clock_.stop();
    const double took = search_->elapsed();
    search_.release()->deleteLater();
    stop_->setText(QStringLiteral("Закрыть"));
    using Outcome = solver::SolveResult::Outcome;
    const QString shots =
        guns_ ? QStringLiteral(" Пушки стреляют случайно: искал при одном раскладе выстрелов.")
              : QString();
    if (!result) {
        answer_->setText(QStringLiteral("Уровень не удалось открыть."));
        return;
    }
    switch (result->outcome) {
        case Outcome::Solved:
            solution_ = result->inputs;
            answer_->setText(
                (result->shortest ? QStringLiteral("Решаем: кратчайшее решение — %1 (%2).%3")
                                  : QStringLiteral("Решаем: найдено решение в %1, кратчайшее "
                                                   "искать дольше (%2).%3"))
                    .arg(cyclesText(static_cast<long>(solution_.size())), seconds(took), shots));
            show_->show();
            show_->setFocus();
            break;
        case Outcome::Exhausted:
            answer_->setText(
                QStringLiteral("Нерешаем: перебраны все состояния, до которых может дойти робот "
                               "(%1).%2")
                    .arg(seconds(took), shots));
            break;
        case Outcome::Stopped:
            answer_->setText(QStringLiteral("Поиск остановлен через %1.%2")
                                 .arg(seconds(took), noShorter(result->depth)));
            break;
        default:
            answer_->setText(QStringLiteral("Не решено: поиск упёрся в предел (%1 или %2 "
                                            "состояний).%3")
                                 .arg(seconds(kProofSeconds))
                                 .arg(kProofStates)
                                 .arg(noShorter(result->depth)));
            break;
    }
}

}  // namespace boltik::qt
