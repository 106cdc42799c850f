// Opening the start menu, the game, the level editor and the settings editor.
#include "qt/Program.h"

#include <QMessageBox>

#include "qt/Redaktor.h"
#include "qt/Setting.h"

namespace boltik::qt {

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

bool Program::openGame() {
    std::string message;
    sounds_ = sdl::MixerSounds::open(message);
    if (!sounds_) {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(message),
                        QMessageBox::Ok);
        box.exec();
        emit finished();
        return false;
    }
    game_ = std::make_unique<GameWindow>(*sounds_);
    // The game window closes the menu as it loads; closing the game ends the program.
    if (menu_) menu_->deleteLater();
    connect(game_.get(), &GameWindow::gameEnded, this, &Program::finished);
    game_->showFullScreen();
    game_->start();
    return true;
}

void Program::openEditor() {
    auto* editor = new Redaktor;
    editor_ = editor;
    // The editor closes the menu as it opens; closed, it brings the menu back.
    if (menu_) menu_->deleteLater();
    connect(editor, &Redaktor::closed, this, [this] {
        if (!showMenu()) emit finished();
    });
    editor->show();
}

}  // namespace boltik::qt
