// The help page's place relative to the program.
#include "platform/HelpPage.h"

#include <QCoreApplication>
#include <QDir>

namespace varno {

QString InstalledHelpPage() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(VARNO_HELP_PAGE_FROM_PROGRAM));
}

}  // namespace varno
