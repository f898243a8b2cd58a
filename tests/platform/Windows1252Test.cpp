// The settings files' code page between bytes and Qt text.
#include <gtest/gtest.h>

#include "platform/Windows1252.h"

namespace varno {
namespace {

TEST(Windows1252Test, EveryDefinedByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            continue;
        }
        const std::string bytes(1, static_cast<char>(byte));
        EXPECT_EQ(ToWindows1252(FromWindows1252(bytes)), bytes) << "byte " << byte;
    }
}

TEST(Windows1252Test, TypographicBytesAndSigns) {
    struct Case {
        unsigned char byte;
        char16_t character;
    };
    for (const Case c : {Case{0x80, 0x20AC},
                         {0x96, 0x2013},
                         {0x9F, 0x0178},
                         {0xB0, 0x00B0},
                         {0xB1, 0x00B1},
                         {0xE9, 0x00E9}}) {
        const QString text = FromWindows1252(std::string(1, static_cast<char>(c.byte)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.character) << int(c.byte);
    }
}

TEST(Windows1252Test, CharactersOutsideTheCodePage) {
    EXPECT_FALSE(CanEncodeInWindows1252(QChar(0x263C)));  // a sun symbol
    EXPECT_FALSE(CanEncodeInWindows1252(QChar(0x0081)));
    EXPECT_TRUE(CanEncodeInWindows1252(QChar(0x20AC)));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("a\u263Cb")), "a?b");
}

}  // namespace
}  // namespace varno
