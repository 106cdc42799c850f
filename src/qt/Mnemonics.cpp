// Latin twins of Cyrillic mnemonics: shortcuts for the menu bar, translated keys in the menus.
#include "qt/Mnemonics.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

namespace boltik::qt {

namespace {

// The letter after a single '&' of a text, upper case; null when there is none.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

// The Cyrillic mnemonic of a menu's entries that answers to a Latin letter, or null when an
// entry has that Latin letter itself or none has such a twin.
QChar cyrillicTwin(const QList<QAction*>& actions, QChar latin) {
    QChar twin;
    for (const QAction* action : actions) {
        const QChar m = mnemonicOf(action->text());
        if (m == latin) return {};
        if (!m.isNull() && latinFor(m) == latin) twin = m;
    }
    return twin;
}

// Turns a Latin letter typed in an open menu into the Cyrillic mnemonic it stands for, and
// lets the menu handle that as it handles its own mnemonics.
class MenuTranslator : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* menu = qobject_cast<QMenu*>(watched);
        if (!menu || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier);
        if (mods != Qt::NoModifier || key->text().size() != 1) return false;
        const QChar letter = key->text()[0].toUpper();
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Z')) return false;
        const QChar twin = cyrillicTwin(menu->actions(), letter);
        if (twin.isNull()) return false;
        QKeyEvent translated(QEvent::KeyPress, twin.unicode(), key->modifiers(), QString(twin));
        QCoreApplication::sendEvent(menu, &translated);
        return true;
    }
};

void translateMenu(QMenu* menu, MenuTranslator* translator) {
    menu->installEventFilter(translator);
    for (QAction* action : menu->actions()) {
        if (action->menu()) translateMenu(action->menu(), translator);
    }
}

}  // namespace

QChar latinFor(QChar cyrillic) {
    // А Б В Г Д Е Ж З И Й К Л М Н О П Р С Т У Ф Х Ц Ч Ш Щ Ъ Ы Ь Э Ю Я, then Ё.
    static const char kLatin[] = "ABVGDE ZIJKLMNOPRSTUFHC    Y E  ";
    const char16_t c = cyrillic.toUpper().unicode();
    if (c == u'Ё') return QLatin1Char('E');
    if (c < u'А' || c > u'Я') return {};
    const char latin = kLatin[c - u'А'];
    return latin == ' ' ? QChar() : QChar(QLatin1Char(latin));
}

void addLatinMnemonics(QMenuBar* bar) {
    auto* translator = new MenuTranslator(bar);
    const QList<QAction*> entries = bar->actions();
    for (QAction* action : entries) {
        if (action->menu()) translateMenu(action->menu(), translator);
        const QChar m = mnemonicOf(action->text());
        const QChar latin = m.isNull() ? QChar() : latinFor(m);
        if (latin.isNull() || cyrillicTwin(entries, latin) != m) continue;
        auto* shortcut =
            new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(latin.unicode()))),
                          bar->window());
        QObject::connect(shortcut, &QShortcut::activated, bar, [bar, action] {
            if (!action->isEnabled()) return;
            if (action->menu()) {
                bar->setActiveAction(action);
            } else {
                action->trigger();
            }
        });
    }
}

}  // namespace boltik::qt
