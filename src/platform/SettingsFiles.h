// The settings file and the directory file in the current working directory.
#pragma once

#include <optional>

#include "Unit2/Settings.h"

namespace varno {

// Neither file is ever reported: a file that is missing or unreadable gives the start-up
// defaults (settings) or nothing (directories), one that cannot be written is skipped.

Settings ReadSettingsFile();
// Nothing when the directory file cannot be opened; the dialogs then keep their own directory.
std::optional<Directories> ReadDirectoryFile();

void WriteSettingsFile(const Settings& settings);
// Writes nothing while either directory is empty, so the former file stays as it was.
void WriteDirectoryFile(const Directories& directories);

}  // namespace varno
