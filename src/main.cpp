// The game program: sets up the application and opens the game.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "qt/Program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The standard dialogs speak Russian like the rest of the game.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtRussian);
    }

    boltik::qt::Program program;
    if (!program.openGame()) return 1;
    auto* window = program.gameWindow();
    QObject::connect(window, &boltik::qt::GameWindow::gameEnded, &app, &QApplication::quit);
    window->showFullScreen();
    window->start();
    return app.exec();
}
