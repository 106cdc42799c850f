// What a screen reader meets: every window's accessible tree names each control that takes
// input, the counters read with what they count, and the game's drawn button is pressed from
// the keyboard while the arrows stay with the game.
#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

#include "WindowTesting.h"
#include "core/settings/Settings.h"
#include "core/sound/Sounds.h"
#include "qt/Accessibility.h"
#include "qt/EditorKeyboard.h"
#include "qt/Filesel.h"
#include "qt/FrmMeny.h"
#include "qt/GameWindow.h"
#include "qt/KudaSow.h"
#include "qt/MsgBo.h"
#include "qt/Redaktor.h"
#include "qt/Setting.h"
#include "support/Rig.h"

using namespace boltik;
using testing::levelFileText;
using testing::poll;

namespace {

bool takesInput(QAccessibleInterface* control) {
    const QAccessible::State state = control->state();
    if (state.focusable || state.editable) return true;
    QAccessibleActionInterface* actions = control->actionInterface();
    return actions && !actions->actionNames().isEmpty();
}

// A name says something when it holds a letter: "..." or "" does not.
bool named(QAccessibleInterface* control) {
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return control->text(QAccessible::Name).contains(letter);
}

// Walks the visible part of the tree: the controls that take input without a name, and the
// names of those that have one.
void walk(QAccessibleInterface* node, const QString& path, QStringList& unnamed,
          QStringList& names) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        const QString here =
            path + QStringLiteral("/") +
            QString::fromLatin1(child->object() ? child->object()->metaObject()->className()
                                                : "item") +
            QStringLiteral("#%1").arg(i);
        if (takesInput(child)) {
            if (named(child)) {
                names << child->text(QAccessible::Name);
            } else {
                unnamed << here;
            }
        }
        walk(child, here, unnamed, names);
    }
}

struct SilentGame {
    sound::SilentSounds sounds;
    qt::GameWindow window{sounds};
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlThatTakesInputIsNamed_data() {
        QTest::addColumn<std::function<std::shared_ptr<QWidget>()>>("open");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("menu") << std::function([]() -> std::shared_ptr<QWidget> {
            auto menu = std::make_shared<qt::FrmMeny>();
            menu->load();
            return menu;
        }) << QStringList{"Игра", "Редактор", "Выход", "Настройки"};
        QTest::newRow("chooser") << std::function([]() -> std::shared_ptr<QWidget> {
            return std::make_shared<qt::Filesel>();
        }) << QStringList{"Файлы уровней", "Имя файла уровня", "ДАЛЕЕ"};
        QTest::newRow("game") << std::function([]() -> std::shared_ptr<QWidget> {
            auto game = std::make_shared<SilentGame>();
            qt::describeGameWindow(game->window);
            return std::shared_ptr<QWidget>(game, &game->window);
        }) << QStringList{"Заново"};
        QTest::newRow("question") << std::function([]() -> std::shared_ptr<QWidget> {
            return std::make_shared<qt::MsgBo>(QStringLiteral("Вы уверены, что хотите выйти ?"),
                                               QStringLiteral("Да"), QStringLiteral("Нет"));
        }) << QStringList{"Да", "Нет"};
        QTest::newRow("editor") << std::function([]() -> std::shared_ptr<QWidget> {
            // The editor deletes itself when closed; the test closes nothing.
            auto editor = std::make_shared<qt::Redaktor>();
            editor->setAttribute(Qt::WA_DeleteOnClose, false);
            new qt::EditorKeyboard(*editor);
            return editor;
        }) << QStringList{"Файл", "Проверить", "Поле уровня", "Ластик", "Стена", "Ползун"};
        QTest::newRow("settings") << std::function([]() -> std::shared_ptr<QWidget> {
            auto setting = std::make_shared<qt::Setting>();
            setting->accessOption(2)->click();  // the password boxes shown
            return setting;
        })
                                  << QStringList{"Без пароля", "Пароль", "Подтверждение пароля",
                                                 "Выбрать файл: задний фон меню", "<< Далее >>"};
        QTest::newRow("crawler's direction") << std::function([]() -> std::shared_ptr<QWidget> {
            return std::make_shared<qt::KudaSow>();
        }) << QStringList{"Вверх, стена справа", "Вниз, стена слева"};
    }

    void everyControlThatTakesInputIsNamed() {
        QFETCH(std::function<std::shared_ptr<QWidget>()>, open);
        QFETCH(QStringList, expected);
        testing::TempDir dir;
        dir.write("settings.ini", settings::settingsText(settings::defaultSettings()));
        dir.write("1.tur", levelFileText({{"#####", "#P.C#", "#####"}}));
        dir.write("2.tur", levelFileText({{"#####", "#P.C#", "#####"}}));
        const std::shared_ptr<QWidget> window = open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList unnamed, names;
        walk(QAccessible::queryAccessibleInterface(window.get()), QString(), unnamed, names);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        for (const QString& name : expected)
            QVERIFY2(names.contains(name), qPrintable(name + " not in " + names.join(", ")));
        window->close();
    }

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
                // The arrows still move the robot while the button has the focus.
                post(Qt::Key_Right);
                step = 3;
            } else if (step == 3 && name(1) == QStringLiteral("Болты: 0")) {
                replay = QAccessible::queryAccessibleInterface(window.replayButton());
                heard << replay->text(QAccessible::Name);
                post(Qt::Key_Space);
                step = 4;
            } else if (step == 4 && name(0) == QStringLiteral("Жизни: 9")) {
                window.close();
                return true;
            }
            return false;
        });
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 20000);
        QCOMPARE(step, 4);
        // The window itself holds the keys in play, not the first button of the Tab order.
        QCOMPARE(focusInPlay, &window);
        QCOMPARE(heard, (QStringList{"Жизни: 10", "Болты: 2", "Ключи: 0", "Патроны: 0", "Заново"}));
        QCOMPARE(replay->role(), QAccessible::Button);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
