// Windows-1252 equals Latin-1 except in 0x80..0x9F, where it holds typographic characters.
#include "platform/Windows1252.h"

#include <array>

namespace varno {
namespace {

constexpr char16_t kUndefined = 0xFFFD;

// Code points of the bytes 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,
};

char16_t Decode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

// The byte for a character, or -1 when the code page has none.
int Encode(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return character;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character && character != kUndefined) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

}  // namespace

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        text.append(QChar(Decode(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string ToWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const int byte = Encode(character.unicode());
        bytes.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    }
    return bytes;
}

bool CanEncodeInWindows1252(QChar character) {
    return Encode(character.unicode()) >= 0;
}

}  // namespace varno
