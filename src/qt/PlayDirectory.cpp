// Finding the default content, seeding the play directory and entering it.
#include "qt/PlayDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdlib>

#include "core/playdir/PlayDirectory.h"
#include "core/progress/Progress.h"

namespace boltik::qt {

namespace {

void tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Болтик"), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

QString defaultContent() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/boltik/data");
    if (QDir(installed).exists()) return QDir(installed).canonicalPath();
    return QStringLiteral(BOLTIK_SOURCE_DATA_DIR);
}

bool enterPlayDirectory() {
    const auto place = playdir::playDirectory(std::getenv("BOLTIK_PLAY_DIR"),
                                              std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!place) {
        tell(QStringLiteral("Не найдена папка для игры: не задана домашняя папка (HOME)."));
        return false;
    }
    const QString where = QString::fromStdString(place->string());
    const playdir::SeedReport seeded =
        playdir::seed(defaultContent().toStdString(), place->string());
    if (!seeded.ok()) {
        tell(QStringLiteral("Не удалось создать папку игры %1: %2")
                 .arg(where, QString::fromStdString(seeded.error)));
        return false;
    }
    if (!seeded.failed.empty()) {
        tell(QStringLiteral("Не удалось записать в папку игры %1 файлов: %2")
                 .arg(seeded.failed.size())
                 .arg(where));
    }
    if (!seeded.kept.empty()) {
        QStringList files;
        for (const std::string& name : seeded.kept)
            files << QString::fromStdString(name);
        tell(QStringLiteral("Файлы игры обновлены, но эти файлы вы изменили, и они оставлены как "
                            "были: %1. Новые версии лежат в папке %2.")
                 .arg(files.join(QStringLiteral(", ")), defaultContent()));
    }
    if (!QDir::setCurrent(where)) {
        tell(QStringLiteral("Не удалось открыть папку игры %1.").arg(where));
        return false;
    }
    // The best results are kept by file name: they follow a level that moved to another
    // name, and a name that now holds another level loses the old level's result.
    if (!seeded.updated.empty()) {
        progress::Progress progress = progress::Progress::load();
        if (progress.followLevels(seeded.updated, seeded.moved)) progress.save();
    }
    return true;
}

}  // namespace boltik::qt
