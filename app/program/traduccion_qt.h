#pragma once
// Qt's own texts (the file chooser, the standard buttons of its boxes, the
// edit menus, the print dialog) in the program's language: Qt's Spanish
// translation from the system, completed where it leaves English, and for
// Basque, which Qt does not translate, the texts the catalog holds over it.

namespace quelvo {

// Installs both on the application once; later calls do nothing. The Basque
// texts follow the language in force whenever Qt builds a window. Without
// the system's translation Qt's texts stay as Qt has them.
void InstalarTraduccionQt();

}  // namespace quelvo
