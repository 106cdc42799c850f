// How the rounded windows are outlined on each desktop, and how the chooser, the question and
// the crawler's direction window belong to the window they open over.
#include <QPainter>
#include <QTest>
#include <QWindow>

#include "WindowTesting.h"
#include "qt/Filesel.h"
#include "qt/KudaSow.h"
#include "qt/MsgBo.h"
#include "qt/RoundedWindow.h"
#include "support/Rig.h"

using namespace boltik;
using qt::Outline;

namespace {

bool minimisesOrMaximises(const QWidget& window) {
    return window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
}

// Paints red inside a rounded outline with corner ellipses of 30 pixels.
class RoundRed : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QImage red(size(), QImage::Format_RGB32);
        red.fill(Qt::red);
        qt::paintInsideOutline(*this, red, qt::roundedOutline(size(), QSizeF(30, 30)));
    }
};

}  // namespace

class WindowTiesTest : public QObject {
    Q_OBJECT

private slots:
    void waylandPaintsTheOutlineAndX11CutsIt() {
        QCOMPARE(qt::outlineFor(QStringLiteral("wayland")), Outline::Painted);
        QCOMPARE(qt::outlineFor(QStringLiteral("xcb")), Outline::Mask);
        QCOMPARE(qt::outlineFor(QStringLiteral("offscreen")), Outline::Mask);
    }

    void aPaintedOutlineLeavesTheCornersClear() {
        // A translucent window shows its picture inside the rounded outline only.
        RoundRed window;
        qt::prepareOutline(window, Outline::Painted);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        window.resize(100, 60);
        QImage shown(window.size(), QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::blue);
        window.render(&shown, {}, {}, QWidget::DrawChildren);
        QCOMPARE(shown.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(shown.pixelColor(99, 59).alpha(), 0);
        QCOMPARE(shown.pixelColor(50, 30), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(50, 0), QColor(Qt::red));  // the edge between the corners
        QCOMPARE(shown.pixelColor(0, 30), QColor(Qt::red));
    }

    void theQuestionAndTheChooserAreTheirWindowsOwn() {
        testing::TempDir dir;
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        qt::MsgBo question(QStringLiteral("Вы уверены, что хотите выйти ?"), QStringLiteral("Да"),
                           QStringLiteral("Нет"), &owner);
        qt::Filesel chooser(&owner);
        qt::KudaSow crawler(&owner);
        for (QWidget* w : {static_cast<QWidget*>(&question), static_cast<QWidget*>(&chooser),
                           static_cast<QWidget*>(&crawler)}) {
            w->show();
            QVERIFY2(w->windowHandle(), w->metaObject()->className());
            QCOMPARE(w->windowHandle()->transientParent(), owner.windowHandle());
        }
        QVERIFY(!minimisesOrMaximises(question));
        QVERIFY(!minimisesOrMaximises(crawler));
        QVERIFY(question.windowFlags() & Qt::WindowCloseButtonHint);
        // A window without an owner stands alone.
        qt::MsgBo alone(QStringLiteral("?"), QStringLiteral("Да"), QStringLiteral("Нет"));
        QVERIFY(!alone.windowHandle() || !alone.windowHandle()->transientParent());
    }

    void afterTheChooserItsOwnerHasTheKeyboard() {
        testing::TempDir dir;
        QWidget owner;
        auto* field = new QWidget(&owner);
        field->setFocusPolicy(Qt::StrongFocus);
        owner.resize(300, 200);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        field->setFocus();
        testing::whenShown<qt::Filesel>([](qt::Filesel* chooser) {
            chooser->activateWindow();
            QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
        });
        QCOMPARE(qt::Filesel::choose(&owner), QStringLiteral("1.tur"));
        QTRY_VERIFY(owner.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), field);
    }
};

QTEST_MAIN(WindowTiesTest)
#include "test_window_ties.moc"
