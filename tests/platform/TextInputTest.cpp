// What the edit boxes accept: the code page of the corner texts, the dialog filters, the
// decimal separator.
#include <gtest/gtest.h>

#include <QLocale>

#include "platform/FileFilter.h"
#include "platform/LocaleNumbers.h"
#include "platform/Windows1252Validator.h"

namespace varno {
namespace {

struct ValidatorCase {
    const char* typed;  // UTF-8
    int cursor;
    const char* kept;
    int cursorAfter;
};

TEST(Windows1252ValidatorTest, DropsOnlyCharactersWithoutAByteAndKeepsTheCursorInPlace) {
    const ValidatorCase cases[] = {
        {"1st January 2002", 16, "1st January 2002", 16},
        {"Sun \u263C", 5, "Sun ", 4},
        {"\u263Ca\u263Cb", 4, "ab", 2},
        {"\u263Ca\u263Cb", 2, "ab", 1},
        {"\u20AC \u00C4 \u0178", 5, "\u20AC \u00C4 \u0178", 5},
        {"\U0001F31E Sun", 6, " Sun", 4},  // outside the BMP: two surrogates, both dropped
        {"", 0, "", 0},
    };
    const Windows1252Validator validator;
    for (const ValidatorCase& c : cases) {
        QString text = QString::fromUtf8(c.typed);
        int cursor = c.cursor;
        EXPECT_EQ(validator.validate(text, cursor), QValidator::Acceptable) << c.typed;
        EXPECT_EQ(text, QString::fromUtf8(c.kept)) << c.typed;
        EXPECT_EQ(cursor, c.cursorAfter) << c.typed;
    }
}

TEST(QtFileFilterTest, DescriptionAndPatternPairsBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter(QStringLiteral("Bitmap  files (*.bmp)|*.bmp")),
              QStringLiteral("Bitmap  files (*.bmp)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Pictures|*.bmp;*.dib|All files|*")),
              QStringLiteral("Pictures (*.bmp *.dib);;All files (*)"));
    EXPECT_EQ(QtFileFilter(QString()), QString());
}

TEST(LocaleDecimalSeparatorTest, FollowsTheDefaultLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LocaleDecimalSeparator(), ',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(LocaleDecimalSeparator(), '.');
    QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace varno
