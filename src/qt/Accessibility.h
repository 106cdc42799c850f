// What screen readers are told about the program's windows: the interfaces of drawn buttons and
// of counters.
#pragma once

#include <QLabel>
#include <QString>

namespace boltik::qt {

// Lets drawn buttons and counters answer screen readers with their own interfaces. Installed
// once; later calls do nothing. Making a drawn button or a counter installs it.
void installAccessibleInterfaces();

// The label is read as "what: caption", «Болты: 6» for instance, whatever caption it shows.
void readAsCounter(QLabel* label, const QString& what);

}  // namespace boltik::qt
