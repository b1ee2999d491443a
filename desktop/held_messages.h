#pragma once
// Qt's messages held back while the application object is made. Qt ends a program whose display
// cannot be opened with a core dump and several English lines; held back, they give way to the
// program's own line, and otherwise reach the usual handler once the application exists.

#include <QString>

namespace desktop {

/// Tells, on standard error, that the program has no display, given the first line of Qt's first
/// complaint; returns the exit status the process then ends with.
using NoDisplay = int (*)(const QString& complaint);

/// Holds back what Qt says from now on. Call just before the application object is made. Should
/// Qt's platform fail to start meanwhile (Qt's fatal message), `no_display` tells it and the
/// process ends with its status at once, without Qt's abort and without the held messages.
void HoldQtMessages(NoDisplay no_display);

/// Gives Qt its usual message handler back and passes on what Qt said meanwhile. Call once the
/// application object exists.
void ReleaseQtMessages();

}  // namespace desktop
