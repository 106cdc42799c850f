// Opening the game.
#include "qt/Program.h"

#include <QMessageBox>

namespace boltik::qt {

bool Program::openGame() {
    std::string message;
    sounds_ = sdl::MixerSounds::open(message);
    if (!sounds_) {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(message),
                        QMessageBox::Ok);
        box.exec();
        return false;
    }
    window_ = std::make_unique<GameWindow>(*sounds_);
    return true;
}

}  // namespace boltik::qt
