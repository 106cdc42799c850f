// The sprite store's pictures: every picture a slot can name is built in and has its size,
// and on a dense screen its twin of twice the pixels takes its place at the same size.
#include <QDir>
#include <QTest>
#include <utility>

#include "core/sprites/Sprites.h"
#include "qt/BoardCanvas.h"
#include "qt/GraphicObjects.h"

using namespace boltik;

class GraphicObjectsTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureTheStoreNamesLoadsAtItsSize() {
        qt::GraphicObjects graphics(1280);
        QCOMPARE(graphics.missingPictures(), QStringList());
        for (const sprites::Picture p : sprites::allPictures()) {
            const QImage& image = graphics.image(p);
            QVERIFY2(image.width() == p.size() && image.height() == p.size(),
                     sprites::fileStem(p).c_str());
        }
    }

    void everySlotOfTheStoreNamesAPictureThatLoads() {
        for (int screen : {1280, 800}) {
            qt::GraphicObjects graphics(screen);
            for (int n = 0; n < sprites::SpriteStore::kObjectSlots; ++n) {
                if (const auto p = graphics.store().object(n)) {
                    QVERIFY2(!graphics.image(*p).isNull(), sprites::fileStem(*p).c_str());
                }
            }
            for (int n = 0; n < sprites::kRobotViews; ++n)
                QVERIFY(!graphics.image(*graphics.store().robot(n)).isNull());
            QVERIFY(!graphics.image(graphics.store().flashPicture()).isNull());
        }
    }

    void denseScreenPicturesHaveTwiceThePixelsAtTheSameSize() {
        // The offscreen screen has ratio 1, so the dense screen's ratio is asked for.
        QCOMPARE(qt::GraphicObjects(1280).ratio(), 1);
        qt::GraphicObjects graphics(1280, nullptr, 2);
        QCOMPARE(graphics.ratio(), 2);
        QCOMPARE(graphics.missingPictures(), QStringList());
        for (const sprites::Picture p : sprites::allPictures()) {
            const QImage& image = graphics.image(p);
            QVERIFY2(
                image.size() == QSize(p.size(), p.size()) * 2 && image.devicePixelRatio() == 2.0,
                sprites::fileStem(p).c_str());
        }
        // The window art and the editor's pictures: each twin covers what its picture covers.
        using Loader = QImage (*)(const QString&, int);
        const std::pair<QString, Loader> folders[] = {
            {QStringLiteral("ui"), qt::uiPicture}, {QStringLiteral("editor"), qt::editorPicture}};
        for (const auto& [folder, load] : folders) {
            const QStringList files = QDir(":/" + folder).entryList({QStringLiteral("*.png")});
            QVERIFY(files.size() > 10);
            for (const QString& file : files) {
                if (file.contains('@')) continue;
                const QImage one = load(file.chopped(4), 1), two = load(file.chopped(4), 2);
                QVERIFY2(!one.isNull() && two.size() == one.size() * 2 &&
                             two.deviceIndependentSize() == QSizeF(one.size()),
                         qPrintable(file));
            }
        }
    }

    void denseBoardPictureTakesTheSpritesPixelForPixelAtLogicalPlaces() {
        qt::GraphicObjects graphics(1280, nullptr, 2);
        qt::BoardCanvas canvas(graphics);
        canvas.setBoardSize(QSize(19 * 48, 12 * 48));
        QCOMPARE(canvas.size(), QSize(19 * 48, 12 * 48));
        QCOMPARE(canvas.picture().size(), QSize(19 * 96, 12 * 96));
        QCOMPARE(canvas.picture().devicePixelRatio(), 2.0);

        // The rules paint at pixels of the board picture as they have always been: logical.
        const sprites::Picture robot = *graphics.store().robot(0);
        canvas.paint(robot, 3 * 48, 2 * 48);
        QCOMPARE(canvas.picture().copy(3 * 96, 2 * 96, 96, 96), graphics.image(robot));
        QCOMPARE(canvas.picture().pixelColor(3 * 96 - 1, 2 * 96), QColor(Qt::black));

        // The flash panel's tile, stretched five times over logical pixels: each of its
        // pixels becomes a block of five device pixels.
        const QImage tile = qt::uiPicture(QStringLiteral("wspih"), 2);
        canvas.fillKeptCopy(tile, 5);
        canvas.restoreCopy();
        for (int y = 2; y < 2 * tile.height() * 5; y += 35)
            for (int x = 2; x < 2 * tile.width() * 5; x += 45)
                QCOMPARE(canvas.picture().pixelColor(x, y),
                         tile.pixelColor(x / 5 % tile.width(), y / 5 % tile.height()));
    }
};

QTEST_MAIN(GraphicObjectsTest)
#include "test_graphic_objects.moc"
