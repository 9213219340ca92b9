#pragma once
// What the program answers before and just after Qt starts: --help and
// --version, arguments that are neither the program's nor Qt's, and a
// missing or unreachable graphical session. Every message is in Portuguese,
// on stderr (the help and the version on stdout).

#include <optional>

namespace velquora {

// Before QApplication. The status to end the program with, if it must end:
// 0 after --help or --version, 2 for an argument that is not Qt's, 1 when
// there is no graphical session to open. Until PartidaConcluida, Qt's own
// messages are held back, so that a session Qt cannot open after all is
// answered in the same way rather than with Qt's abort.
std::optional<int> ConfereLinhaDeComando(int argc, char* argv[]);

// After QApplication, with the arguments it left: Qt has taken its own, so
// anything left but the program's name is unknown (status 2). Lets Qt's
// messages through again, the ones held back first.
std::optional<int> PartidaConcluida(int argc, char* argv[]);

}  // namespace velquora
