#pragma once
// Start-up of the program, in its fixed order, and the steps the restore
// command runs again.
#include <functional>

class QApplication;
class QWidget;

namespace quelvo {

// Connects what the layers below the program leave to it: the windows behind
// the services' messages, questions and error reports, the declarations'
// pick lists, and the hand-overs between the windows of different
// subsystems. Main runs it first; running it again changes nothing.
void ConectarPrograma();

// Prepares folders, paths, the user database and the preferences, shows the
// main window and runs the program. A failure on the way is shown and ends
// the program. Answers the program's exit code.
int Main(QApplication& app);

// Work folder, tables folder and the two database paths.
void InicializarTodo();
// Brings an older user database up to date (creates a missing one). Answers
// true when the program must end at once.
bool ComprobarBDVersion();
// Update address, language and online-check flag from the databases.
void CargarPreferencias();

// After a restore: brings the restored database up to date with `comprobar`.
// When the upgrade asks the program to end, the user is told and `principal`
// is closed, which ends the program, as at start-up; answers true then.
bool ComprobarBDVersionTrasRestaurar(QWidget* principal,
                                     const std::function<bool()>& comprobar = ComprobarBDVersion);

}  // namespace quelvo
