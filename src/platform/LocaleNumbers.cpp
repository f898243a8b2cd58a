// Reading the decimal separator from Qt's default locale.
#include "platform/LocaleNumbers.h"

#include <QLocale>

namespace varno {

char LocaleDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator[0].unicode() < 0x80) {
        return static_cast<char>(separator[0].unicode());
    }
    return '.';
}

}  // namespace varno
