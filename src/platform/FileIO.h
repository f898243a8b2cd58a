// Whole files in and out: the settings and directory files, read at start and written at close.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace varno {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const QString& path);

// Writes the file through a temporary one that replaces it only when all is written, so a full
// disk or a failing write leaves the former file as it was. Throws Failure "Cannot create file
// PATH" when it cannot be written.
void ReplaceFile(const QString& path, std::string_view bytes);

}  // namespace varno
