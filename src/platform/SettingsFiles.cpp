// Loading and saving the two settings files by their bare names, so they live in the directory
// the program was started in.
#include "platform/SettingsFiles.h"

#include <QString>

#include "Unit2/Failure.h"
#include "Unit2/SettingsText.h"
#include "platform/FileIO.h"

namespace varno {
namespace {

QString FileName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void WriteQuietly(std::string_view name, std::string_view bytes) {
    try {
        ReplaceFile(FileName(name), bytes);
    } catch (const Failure&) {
        // The settings of this run are lost; the program ends either way and asks nothing.
    }
}

}  // namespace

Settings ReadSettingsFile() {
    const std::optional<std::string> bytes = ReadFileBytes(FileName(kSettingsFileName));
    return bytes ? ReadSettingsText(*bytes) : DefaultSettings();
}

std::optional<Directories> ReadDirectoryFile() {
    const std::optional<std::string> bytes = ReadFileBytes(FileName(kDirectoryFileName));
    if (!bytes) {
        return std::nullopt;
    }
    return ReadDirectoryText(*bytes);
}

void WriteSettingsFile(const Settings& settings) {
    WriteQuietly(kSettingsFileName, SettingsText(settings));
}

void WriteDirectoryFile(const Directories& directories) {
    if (const std::optional<std::string> text = DirectoryText(directories)) {
        WriteQuietly(kDirectoryFileName, *text);
    }
}

}  // namespace varno
