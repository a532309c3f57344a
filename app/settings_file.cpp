#include "app/settings_file.h"

#include "platform/files/replacement_file.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <sys/stat.h>
#include <unistd.h>

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

// Where the settings are written: the file itself, or the regular file a link named like it
// leads to, as editors follow a link. A link to anything else (a device, a pipe, a folder, nothing)
// and a settings name that is no regular file are not written over: one line on stderr says why.
std::optional<QString> settingsFileTarget(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return path;
    if (S_ISREG(status.st_mode))
        return path;
    const char* why = "it is not a regular file";
    if (S_ISLNK(status.st_mode)) {
        char* resolved = ::realpath(name.constData(), nullptr);
        struct stat reached {};
        const bool regular =
            resolved && ::stat(resolved, &reached) == 0 && S_ISREG(reached.st_mode);
        const QString target = resolved ? QFile::decodeName(resolved) : QString();
        std::free(resolved);
        if (regular)
            return target;
        why = target.isEmpty() ? "it is a link that leads nowhere"
                               : "it is a link to something that is not a regular file";
    }
    std::fprintf(stderr, "motorhall: the settings are not saved to %s: %s\n", name.constData(),
                 why);
    return std::nullopt;
}

} // namespace

QString settingsFilePath(const QString& settingsFolder) {
    return settingsFolder + QLatin1Char('/') + SettingsFileName;
}

SettingsPresence findSettingsFile(const QString& settingsFolder) {
    const QFileInfo info(settingsFilePath(settingsFolder));
    return info.exists() && info.isFile() && !info.isHidden() ? SettingsPresence::Present
                                                              : SettingsPresence::Missing;
}

bool fitsSettingsLine(const QString& folder) {
    return !folder.contains(QLatin1Char('\n')) && !folder.contains(QLatin1Char('\r'));
}

std::optional<StoredFolders> readSettingsFile(const QString& programFolder) {
    // Opened without waiting, so a pipe in the file's place cannot hold the start-up, and read only
    // when it is a regular file.
    const int descriptor = ::open(QFile::encodeName(settingsFilePath(programFolder)).constData(),
                                  O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status {};
    QFile file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    const std::optional<QByteArray> first = readLine(file);
    if (!first)
        return std::nullopt;
    const std::optional<QByteArray> second = readLine(file);
    if (!second)
        return std::nullopt;
    return StoredFolders{folderFromBytes(*first), folderFromBytes(*second)};
}

bool writeSettingsFile(const QString& settingsFolder, const StoredFolders& folders) {
    const std::optional<QString> target = settingsFileTarget(settingsFilePath(settingsFolder));
    if (!target)
        return false;
    files::ReplacementFile file(QFile::encodeName(*target).toStdString());
    const QByteArray content =
        QFile::encodeName(folders.fileDir) + "\r\n" + QFile::encodeName(folders.garminDir) + "\r\n";
    return file.write(content.constData(), static_cast<std::size_t>(content.size())) &&
           file.commit();
}
