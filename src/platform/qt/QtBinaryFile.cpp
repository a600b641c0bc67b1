#include "platform/qt/QtBinaryFile.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>

namespace korvanel {

FileReadResult QtBinaryFile::readAll(const std::string& path, std::size_t maxBytes) {
    FileReadResult result;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString().toStdString();
        return result;
    }
    const qint64 size = file.size();
    if (static_cast<std::uint64_t>(size) > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    const QByteArray data = file.read(size);
    if (data.size() != size) {
        result.error = file.errorString().toStdString();
        return result;
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(data.constData());
    result.bytes.assign(first, first + data.size());
    result.ok = true;
    return result;
}

FileWriteResult QtBinaryFile::writeAll(const std::string& path,
                                       std::span<const std::uint8_t> bytes) {
    FileWriteResult result;
    // QSaveFile writes a temporary file beside the target and renames it over the target only
    // on commit, so a failure at any point leaves the old file as it was.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString().toStdString();
        return result;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        result.error = file.errorString().toStdString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString().toStdString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace korvanel
