// What screen readers are told about the program's windows: the interfaces of drawn buttons and
// of counters, and the names of the game window's controls.
#pragma once

#include <QLabel>
#include <QString>

namespace boltik::qt {

class GameWindow;

// Lets drawn buttons and counters answer screen readers with their own interfaces. Installed
// once; later calls do nothing. Making a drawn button or a counter installs it.
void installAccessibleInterfaces();

// Makes the object's accessible interface anew at the next question, after it was marked as a
// drawn button or a counter.
void renewAccessibleInterface(QObject* object);

// The label is read as "what: caption", «Болты: 6» for instance, whatever caption it shows.
void readAsCounter(QLabel* label, const QString& what);

// Names the game window's counters, board and replay button, and makes the replay button a
// drawn button, pressed by Space or Enter once Tab has reached it. F3 then reads the robot's
// surroundings and the counters aloud, on a line under the board.
void describeGameWindow(GameWindow& window);

}  // namespace boltik::qt
