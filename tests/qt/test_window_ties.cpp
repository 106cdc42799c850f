// How the rounded windows are outlined on each desktop, how the chooser, the question and the
// crawler's direction window belong to the window they open over, and how a dialog opens
// inside a full-screen window.
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QWindow>

#include "WindowTesting.h"
#include "qt/Filesel.h"
#include "qt/KudaSow.h"
#include "qt/MsgBo.h"
#include "qt/RoundedWindow.h"
#include "qt/Veil.h"
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

// Counts the mouse presses and keys that reach it.
class Presses : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent*) override { ++presses; }
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

    void dialogsOpenInsideAFullScreenWindowOnWaylandOnly() {
        QWidget window;
        window.show();
        QVERIFY(!qt::Veil::wanted(QStringLiteral("wayland"), &window));
        window.showFullScreen();
        QVERIFY(qt::Veil::wanted(QStringLiteral("wayland"), &window));
        QVERIFY(!qt::Veil::wanted(QStringLiteral("xcb"), &window));
        QVERIFY(!qt::Veil::wanted(QStringLiteral("wayland"), nullptr));
    }

    void aVeiledDialogIsModalInsideItsWindow() {
        // The window under the veil sees neither the mouse nor the keys; Tab goes round the
        // dialog's two boxes; when the veil goes, the focus is back where it was.
        Presses window;
        window.resize(600, 400);
        auto* button = new QPushButton(QStringLiteral("под"), &window);
        button->setGeometry(0, 0, 100, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), &window);
        connect(f3, &QShortcut::activated, &window, [&window] { ++window.presses; });
        {
            auto veil = std::make_unique<qt::Veil>(&window);
            QWidget dialog;
            dialog.resize(200, 100);
            auto* first = new QLineEdit(&dialog);
            auto* second = new QLineEdit(&dialog);
            second->move(0, 40);
            first->setFocus();
            veil->hold(&dialog);
            QCOMPARE(dialog.window(), &window);
            QCOMPARE(dialog.geometry().center(), window.rect().center());
            QCOMPARE(QApplication::focusWidget(), first);

            // Through the window system, as a player's hand comes: onto the button under the
            // veil, onto the window's bare edge, and a key the dialog does not take.
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(590, 390));
            QTest::keyClick(window.windowHandle(), Qt::Key_F1);
            QTest::keyClick(window.windowHandle(), Qt::Key_F3);
            QCOMPARE(window.presses, 0);
            QCOMPARE(QApplication::focusWidget(), first);

            QTest::keyClick(first, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), second);
            QTest::keyClick(second, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), first);
            QTest::keyClick(first, Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), second);
            // The dialog goes first, as its caller keeps it; then the veil.
        }
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(590, 390));
        QTest::keyClick(window.windowHandle(), Qt::Key_F3);
        QCOMPARE(window.presses, 2);
    }
};

QTEST_MAIN(WindowTiesTest)
#include "test_window_ties.moc"
