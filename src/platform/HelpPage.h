// Where the program's help page lies beside the installed program.
#pragma once

#include <QString>

namespace varno {

// share/varno-creator/help/index.html reached from the directory of the running program; the
// build tree has the same layout, so the page is found before installing too.
QString InstalledHelpPage();

}  // namespace varno
