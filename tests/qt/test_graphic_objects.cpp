// The sprite store's pictures: every picture a slot can name is built in and has its size.
#include <QTest>

#include "core/sprites/Sprites.h"
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
};

QTEST_MAIN(GraphicObjectsTest)
#include "test_graphic_objects.moc"
