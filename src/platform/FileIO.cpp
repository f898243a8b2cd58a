// Whole-file reading, and writing that never leaves a half-written file behind.
#include "platform/FileIO.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "Unit2/Failure.h"

namespace varno {

std::optional<std::string> ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

void ReplaceFile(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit()) {
        throw Failure("Cannot create file " + QDir::toNativeSeparators(path).toStdString());
    }
}

}  // namespace varno
