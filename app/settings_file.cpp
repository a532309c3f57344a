#include "app/settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QString SettingsFileName = QStringLiteral("init.ini");
// Far beyond any folder name; bounds what a damaged or hostile file can make us read.
constexpr qint64 MaximumLineBytes = 32768;

// The next line without its end, or nothing at the end of the file or on a line that is too long.
std::optional<QByteArray> readLine(QFile& file) {
    QByteArray line;
    char c = 0;
    bool any = false;
    while (file.getChar(&c)) {
        any = true;
        if (c == '\n')
            return line;
        if (c == '\r') {
            char next = 0;
            if (file.peek(&next, 1) == 1 && next == '\n')
                file.getChar(&next);
            return line;
        }
        if (line.size() >= MaximumLineBytes)
            return std::nullopt;
        line.append(c);
    }
    if (!any)
        return std::nullopt;
    return line;
}

// A folder name as the file system stores it; a file written by a single-byte system (bytes that
// are no valid UTF-8) is taken as Latin-1.
QString folderFromBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace

QString settingsFilePath(const QString& programFolder) {
    return programFolder + QLatin1Char('/') + SettingsFileName;
}

SettingsPresence findSettingsFile(const QString& programFolder) {
    const QFileInfo info(settingsFilePath(programFolder));
    return info.exists() && info.isFile() && !info.isHidden() ? SettingsPresence::Present
                                                              : SettingsPresence::Missing;
}

std::optional<StoredFolders> readSettingsFile(const QString& programFolder) {
    QFile file(settingsFilePath(programFolder));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QByteArray> first = readLine(file);
    if (!first)
        return std::nullopt;
    const std::optional<QByteArray> second = readLine(file);
    if (!second)
        return std::nullopt;
    return StoredFolders{folderFromBytes(*first), folderFromBytes(*second)};
}

bool writeSettingsFile(const QString& programFolder, const StoredFolders& folders) {
    QSaveFile file(settingsFilePath(programFolder));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content =
        QFile::encodeName(folders.fileDir) + "\r\n" + QFile::encodeName(folders.garminDir) + "\r\n";
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}
