// The accessible interfaces of drawn buttons and counters, and the game window's names.
#include "qt/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QShortcut>

#include "core/board/Surroundings.h"

#include "qt/DrawnButton.h"
#include "qt/GameWindow.h"
#include "qt/SpokenLine.h"

namespace boltik::qt {

namespace {

// The dynamic property that holds what a counter counts.
constexpr const char* kCounterProperty = "boltikCounter";

// A picture with a click handler, as a button: pressed by the screen reader as by a click.
class DrawnButtonInterface : public QAccessibleWidget {
public:
    explicit DrawnButtonInterface(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const DrawnButton* button = DrawnButton::of(widget())) {
            if (const std::optional<bool> checked = button->checked()) {
                s.checkable = true;
                s.checked = *checked;
            }
        }
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            DrawnButton::click(widget());
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

// A label whose caption is a bare number: read with what it counts.
class CounterInterface : public QAccessibleWidget {
public:
    explicit CounterInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString what = widget()->property(kCounterProperty).toString();
        return what + QStringLiteral(": ") + static_cast<const QLabel*>(widget())->text();
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (DrawnButton::of(widget)) return new DrawnButtonInterface(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->property(kCounterProperty).isValid()) return new CounterInterface(label);
    return nullptr;
}

}  // namespace

void renewAccessibleInterface(QObject* object) {
    // Qt keeps the first interface made for an object; one made before the object was marked
    // is dropped, so the next question makes the marked kind.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void installAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

void readAsCounter(QLabel* label, const QString& what) {
    installAccessibleInterfaces();
    label->setProperty(kCounterProperty, what);
    renewAccessibleInterface(label);
}

void describeGameWindow(GameWindow& window) {
    const QString counted[] = {QStringLiteral("Жизни"), QStringLiteral("Болты"),
                               QStringLiteral("Ключи"), QStringLiteral("Патроны")};
    for (int i = 0; i < 4; ++i)
        readAsCounter(window.counterLabel(i), counted[i]);
    window.boardCanvas().setAccessibleName(QStringLiteral("Игровое поле"));
    DrawnButton::make(window.replayButton(), QStringLiteral("Заново"));
    // F3 reads the robot's surroundings and the counters aloud, between two steps of the game.
    auto* line = new SpokenLine(&window.boardCanvas());
    auto* readKey = new QShortcut(QKeySequence(Qt::Key_F3), &window);
    QObject::connect(readKey, &QShortcut::activated, line, [&window, line] {
        line->say(QString::fromStdString(board::describeRobot(window.world())));
    });
    // The replay button is now in the Tab order; the keys still go to the window itself when
    // it opens, not to the first control that takes them.
    window.setFocus();
}

}  // namespace boltik::qt
