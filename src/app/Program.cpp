// Opening the game.
#include "app/Program.h"

#include <QMessageBox>

namespace boltik::app {

bool Program::openGame() {
    std::string message;
    sounds_ = sound::MixerSounds::open(message);
    if (!sounds_) {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(message),
                        QMessageBox::Ok);
        box.exec();
        return false;
    }
    window_ = std::make_unique<game::GameWindow>(*sounds_);
    return true;
}

}  // namespace boltik::app
