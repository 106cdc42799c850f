// Menu mnemonics that also work on a Latin keyboard layout: a Cyrillic mnemonic letter answers
// to its Latin transliteration as well, Alt+F opening «&Файл» as Alt+Ф does.
#pragma once

#include <QChar>
#include <QMenuBar>

namespace boltik::qt {

// The Latin letter a Cyrillic letter is written with (upper case), or a null QChar for a letter
// with none of its own (Ж, Ч, Ш, Щ, Ъ, Ь, Ю, Я) and for anything not Cyrillic.
QChar latinFor(QChar cyrillic);

// Adds the Latin twin of every Cyrillic mnemonic in the menu bar and in its menus, where no
// other entry of the same menu already answers to that Latin letter. The texts stay as they are.
void addLatinMnemonics(QMenuBar* bar);

}  // namespace boltik::qt
