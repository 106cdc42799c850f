// The game program: sets up the application, enters the play directory and opens the start
// menu.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "qt/GamePad.h"
#include "qt/PlayDirectory.h"
#include "qt/Program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program ends when one of its windows says so, not when the last window closes:
    // between the level editor and the menu, or after the settings editor, none is open.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/boltik-256.png")));
    // The player's own choices (the sound on or off) are kept in ~/.config/boltik.
    QCoreApplication::setOrganizationName(QStringLiteral("boltik"));
    QCoreApplication::setApplicationName(QStringLiteral("boltik"));
    // The standard dialogs speak Russian like the rest of the game.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtRussian);
    }

    if (!boltik::qt::enterPlayDirectory()) return 1;
    boltik::qt::Program program;
    QObject::connect(
        &program, &boltik::qt::Program::finished, &app,
        [&app, &program] { app.exit(program.exitCode()); }, Qt::QueuedConnection);
    // A game controller, when one is plugged in, plays as the keys of the game window.
    const std::unique_ptr<boltik::qt::GamePad> pad = boltik::qt::GamePad::open();
    // boltik --replay FILE shows a recorded game; without arguments the menu opens.
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--replay")) {
        if (!program.startReplay(args[2])) return 1;
    } else if (!program.start()) {
        return 0;
    }
    return app.exec();
}
