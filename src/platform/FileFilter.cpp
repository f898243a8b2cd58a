// Translating dialog filters.
#include "platform/FileFilter.h"

#include <QStringList>

namespace varno {

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters.append(description.endsWith(shown) ? parts[i]
                                                   : description + QLatin1Char(' ') + shown);
    }
    return filters.join(QLatin1String(";;"));
}

}  // namespace varno
