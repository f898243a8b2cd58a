// The Windows-1252 code page of the settings files, between their bytes and Qt's text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace varno {

// Every byte has a meaning except 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which read as U+FFFD.
QString FromWindows1252(std::string_view bytes);

// Characters the code page cannot hold become "?"; see CanEncodeInWindows1252.
std::string ToWindows1252(const QString& text);

bool CanEncodeInWindows1252(QChar character);

}  // namespace varno
