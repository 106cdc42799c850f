// The game program: creates the application and its first window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Болтик"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(480, 320);
    window.setWindowTitle(QStringLiteral("Болтик"));
    window.show();
    return app.exec();
}
