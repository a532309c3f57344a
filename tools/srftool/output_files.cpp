#include "tools/srftool/output_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace srftool {
namespace {

QString qtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

Failure reason(const QString& text) {
    return text.toStdString();
}

} // namespace

Failure checkReadableFile(const std::string& path) {
    const QFileInfo info(qtPath(path));
    if (!info.exists())
        return "no such file";
    if (info.isDir())
        return "it is a folder, not a file";
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return reason(file.errorString());
    return {};
}

Failure ensureFolder(const std::string& path) {
    const QFileInfo info(qtPath(path));
    if (info.exists()) {
        if (!info.isDir())
            return "it exists and is not a folder";
        return {};
    }
    if (!QDir().mkpath(info.filePath()))
        return "the folder cannot be created";
    return {};
}

Failure savePng(const QImage& image, const std::string& path) {
    if (image.isNull())
        return "there is no image to write";
    QSaveFile file(qtPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return reason(file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return reason(writer.errorString());
    }
    if (!file.commit())
        return reason(file.errorString());
    return {};
}

Failure saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    QSaveFile file(qtPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return reason(file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        return reason(file.errorString());
    }
    if (!file.commit())
        return reason(file.errorString());
    return {};
}

} // namespace srftool
