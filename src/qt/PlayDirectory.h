// Entering the play directory at start: made and seeded from the default content if need be.
#pragma once

#include <QString>

namespace boltik::qt {

// Finds the play directory, seeds it and makes it the current directory, as the game reads
// every file by its bare name. False, after a message, when there is no directory to play in.
bool enterPlayDirectory();

// Where the default content is: beside an installed program (share/boltik/data), else the
// source tree this program was built from.
QString defaultContent();

}  // namespace boltik::qt
