// What a screen reader meets: the counters read with what they count, and the game's drawn
// button is pressed from the keyboard while the arrows stay with the game.
#include <QAccessible>
#include <QTest>

#include "WindowTesting.h"
#include "core/sound/Sounds.h"
#include "qt/Accessibility.h"
#include "qt/Filesel.h"
#include "qt/GameWindow.h"
#include "support/Rig.h"

using namespace boltik;
using testing::levelFileText;
using testing::poll;

namespace {

struct SilentGame {
    sound::SilentSounds sounds;
    qt::GameWindow window{sounds};
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void theGameIsHeardAndPlayedFromTheKeyboard() {
        testing::TempDir dir;
        dir.write("1.tur", levelFileText({{"######", "#P**C#", "######"}, {}, "2"}));
        SilentGame game;
        qt::GameWindow& window = game.window;
        window.setNanosPerRound(0);
        qt::describeGameWindow(window);
        window.show();
        window.start();
        const auto name = [&window](int counter) {
            return QAccessible::queryAccessibleInterface(window.counterLabel(counter))
                ->text(QAccessible::Name);
        };
        const auto post = [](Qt::Key key) {
            QWidget* target = QApplication::focusWidget();
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, {}));
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, {}));
        };
        int step = 0;
        QWidget* focusInPlay = nullptr;
        QStringList heard;
        QAccessibleInterface* replay = nullptr;
        poll([&] {
            if (auto* chooser = testing::visibleWindow<qt::Filesel>()) {
                if (chooser->isActiveWindow()) {
                    post(Qt::Key_Return);
                } else {
                    chooser->activateWindow();
                }
                return false;
            }
            if (!window.isActiveWindow()) {
                window.activateWindow();  // the offscreen platform gives the focus to no one
                return false;
            }
            if (step == 0 && name(1) == QStringLiteral("Болты: 2")) {
                focusInPlay = QApplication::focusWidget();
                heard << name(0) << name(1) << name(2) << name(3);
                post(Qt::Key_Right);
                step = 1;
            } else if (step == 1 && name(1) == QStringLiteral("Болты: 1")) {
                post(Qt::Key_Tab);
                step = 2;
            } else if (step == 2 && QApplication::focusWidget() == window.replayButton()) {
                replay = QAccessible::queryAccessibleInterface(window.replayButton());
                heard << replay->text(QAccessible::Name);
                post(Qt::Key_Space);
                step = 3;
            } else if (step == 3 && name(0) == QStringLiteral("Жизни: 9")) {
                window.close();
                return true;
            }
            return false;
        });
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 20000);
        QCOMPARE(step, 3);
        // The window itself holds the keys in play, not the first button of the Tab order.
        QCOMPARE(focusInPlay, &window);
        QCOMPARE(heard, (QStringList{"Жизни: 10", "Болты: 2", "Ключи: 0", "Патроны: 0", "Заново"}));
        QCOMPARE(replay->role(), QAccessible::Button);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
