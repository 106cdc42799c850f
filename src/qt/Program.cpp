// Opening the start menu, the game, the level editor and the settings editor.
#include "qt/Program.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <filesystem>

#include "core/recording/RecordingFile.h"
#include "core/session/Sessions.h"
#include "core/solver/Demo.h"
#include "qt/Accessibility.h"
#include "qt/EditorKeyboard.h"
#include "qt/Redaktor.h"
#include "qt/Setting.h"

namespace boltik::qt {

namespace {

// Why a recording cannot be played, in the game's words.
QString whyRefused(const recording::Refusal& refusal, const QString& level) {
    using Kind = recording::Refusal::Kind;
    const QString line = refusal.line > 0 ? QStringLiteral(" (строка %1)").arg(refusal.line) : "";
    switch (refusal.kind) {
        case Kind::Unreadable:
            return QStringLiteral("файл не открыть");
        case Kind::TooLarge:
            return QStringLiteral("файл больше 1 МиБ, это не запись игры");
        case Kind::NotARecording:
            return QStringLiteral("это не запись игры");
        case Kind::Damaged:
            return QStringLiteral("запись повреждена") + line;
        case Kind::LevelByPath:
            return QStringLiteral("уровень назван не именем файла, а путём") + line;
        case Kind::InputsPastEnd:
            return QStringLiteral("в записи есть нажатия после её конца");
        case Kind::LevelChanged:
            break;
    }
    return QStringLiteral("уровень %1 изменился или его нет").arg(level);
}

}  // namespace

Program::Program() = default;

Program::~Program() {
    delete menu_;
    delete editor_;
}

bool Program::start() {
    return showMenu();
}

bool Program::showMenu() {
    for (;;) {
        auto* menu = new FrmMeny;
        if (menu->load()) {
            menu_ = menu;
            connect(menu, &FrmMeny::gameRequested, this, &Program::openGame);
            connect(menu, &FrmMeny::editorRequested, this, &Program::openEditor);
            connect(menu, &FrmMeny::settingsRequested, this, &Program::openSettings);
            connect(menu, &FrmMeny::exitRequested, this, &Program::finished);
            connect(menu, &FrmMeny::closed, this, &Program::finished);
            menu->show();
            return true;
        }
        delete menu;
        // The load starts again from its first step once the settings editor has closed;
        // closed without saving over a file that still fails, the program ends.
        Setting editor;
        const bool saved = editor.exec() == QDialog::Accepted;
        if (saved) continue;
        auto* again = new FrmMeny;
        const bool loads = again->load();
        delete again;
        if (!loads) return false;
    }
}

void Program::openSettings() {
    Setting editor(menu_);
    editor.exec();
}

bool Program::openSound() {
    if (sounds_) return true;  // opened already for a test-play in the editor
    std::string message;
    sounds_ = sdl::MixerSounds::open(message);
    if (sounds_) return true;
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(message),
                    QMessageBox::Ok);
    box.exec();
    // The program ends as it must without its sounds, and says so to whoever started it.
    exitCode_ = 1;
    emit finished();
    return false;
}

bool Program::startReplay(const QString& file) {
    const std::filesystem::path path(QFile::encodeName(file).toStdString());
    recording::Refusal refusal;
    std::optional<recording::Recording> recording = recording::readRecording(path, refusal);
    std::optional<std::filesystem::path> level;
    if (recording) {
        level = recording::findRecordedLevel(*recording, path);
        if (!level) refusal.kind = recording::Refusal::Kind::LevelChanged;
    }
    if (!level) {
        const QString levelName = QString::fromStdString(recording ? recording->level : "");
        QMessageBox::warning(nullptr, QStringLiteral("Болтик"),
                             QStringLiteral("Запись %1 не воспроизвести: %2")
                                 .arg(file, whyRefused(refusal, levelName)));
        return false;
    }
    if (!openSound()) return false;
    // The game loads the level by its name where it plays: in the folder it was found in. A
    // playback writes nothing there.
    if (!QDir::setCurrent(QFile::decodeName(level->parent_path().c_str()))) {
        QMessageBox::warning(nullptr, QStringLiteral("Болтик"),
                             QStringLiteral("Запись %1 не воспроизвести: нет доступа к папке %2")
                                 .arg(file, QFile::decodeName(level->parent_path().c_str())));
        emit finished();
        return false;
    }
    game_ = std::make_unique<GameWindow>(*sounds_);
    describeGameWindow(*game_);
    connect(game_.get(), &GameWindow::gameEnded, this, &Program::finished);
    game_->showFullScreen();
    game_->play(std::make_unique<session::Playback>(std::move(*recording)));
    return true;
}

bool Program::openGame() {
    if (!openSound()) return false;
    game_ = std::make_unique<GameWindow>(*sounds_);
    describeGameWindow(*game_);
    // The game window closes the menu as it loads; closing the game ends the program.
    if (menu_) menu_->deleteLater();
    connect(game_.get(), &GameWindow::gameEnded, this, &Program::finished);
    game_->showFullScreen();
    game_->start();
    return true;
}

void Program::openEditor() {
    auto* editor = new Redaktor;
    new EditorKeyboard(*editor);
    editor_ = editor;
    connect(editor, &Redaktor::testPlayRequested, this, &Program::openTrial);
    connect(editor, &Redaktor::solutionShowRequested, this, &Program::showSolution);
    // The editor closes the menu as it opens; closed, it brings the menu back.
    if (menu_) menu_->deleteLater();
    connect(editor, &Redaktor::closed, this, [this] {
        if (!showMenu()) emit finished();
    });
    editor->show();
}

sound::Sounds& Program::trialSounds() {
    if (!sounds_) {
        std::string message;
        sounds_ = sdl::MixerSounds::open(message);
    }
    if (sounds_) return *sounds_;
    return silence_;
}

void Program::openTrial() {
    openTrialWindow(nullptr, 0);
}

void Program::showSolution(std::vector<solver::SolveInput> inputs, uint32_t seed) {
    openTrialWindow(&inputs, seed);
}

void Program::openTrialWindow(const std::vector<solver::SolveInput>* solution, uint32_t seed) {
    auto* editor = qobject_cast<Redaktor*>(editor_.data());
    if (!editor || trial_) return;
    // The game plays level files: the board goes to a file of its own in a fresh temporary
    // folder, never to the level the author is working on.
    trialDir_ = std::make_unique<QTemporaryDir>();
    const QString file = trialDir_->filePath(QStringLiteral("proba.tur"));
    editor::FileResult saved{false, "нет временной папки"};
    if (trialDir_->isValid()) saved = editor->model().saveCopy(file.toStdString());
    if (!saved) {
        QMessageBox::warning(editor, QString(),
                             QStringLiteral("Не удалось начать проверку: %1")
                                 .arg(QString::fromStdString(saved.message)));
        trialDir_.reset();
        return;
    }
    trial_ = new GameWindow(trialSounds());
    describeGameWindow(*trial_);
    trial_->setAttribute(Qt::WA_DeleteOnClose);
    trial_->setWindowModality(Qt::ApplicationModal);
    connect(trial_, &GameWindow::gameEnded, this, [this, editor = QPointer<Redaktor>(editor)] {
        trialDir_.reset();
        if (!editor) return;
        editor->show();
        editor->raise();
        editor->activateWindow();
    });
    trial_->showFullScreen();
    if (solution) {
        trial_->play(
            std::make_unique<solver::Demo>(solver::startOf(file.toStdString(), seed), *solution));
    } else {
        trial_->play(std::make_unique<session::Trial>(file.toStdString()));
    }
}

}  // namespace boltik::qt
