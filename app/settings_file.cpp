#include "app/settings_file.h"

#include "platform/files/regular_file.h"
#include "platform/files/replacement_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <span>
#include <vector>

namespace {

const QString kSettingsFileName = QStringLiteral("init.ini");
// Far beyond any folder name; bounds what a damaged or hostile file can make us read.
constexpr qsizetype kMaximumLineBytes = 32768;

// Two lines of the longest kind with their ends: all that is ever looked at of the file.
constexpr std::size_t kSettingsBytesRead = 2 * (static_cast<std::size_t>(kMaximumLineBytes) + 2);

// The next line of `text` from `at` on, without its end, or nothing at the end of the text or on a
// line that is too long.
std::optional<QByteArray> readLine(std::span<const std::uint8_t> text, std::size_t& at) {
    QByteArray line;
    bool any = false;
    while (at < text.size()) {
        const char c = static_cast<char>(text[at++]);
        any = true;
        if (c == '\n')
            return line;
        if (c == '\r') {
            if (at < text.size() && text[at] == '\n')
                ++at;
            return line;
        }
        if (line.size() >= kMaximumLineBytes)
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

// Whether the settings may be written: to the file itself, or to the regular file a link named
// like it leads to, as editors follow a link (files::ReplacementFile follows it so). A link to
// anything else (a device, a pipe, a folder, nothing) and a settings name that is no regular file
// are not written over: one line on stderr says why.
bool settingsFileWritable(const QString& path) {
    const files::WriteTarget target =
        files::resolveWriteTarget(QFile::encodeName(path).toStdString());
    if (target.kind == files::TargetKind::absent || target.kind == files::TargetKind::regularFile)
        return true;
    const char* why = !target.throughLink ? "it is not a regular file"
                      : target.kind == files::TargetKind::danglingLink
                          ? "it is a link that leads nowhere"
                          : "it is a link to something that is not a regular file";
    std::fprintf(stderr, "motorhall: the settings are not saved to %s: %s\n",
                 QFile::encodeName(path).constData(), why);
    return false;
}

} // namespace

QString settingsFilePath(const QString& settingsFolder) {
    return settingsFolder + QLatin1Char('/') + kSettingsFileName;
}

SettingsPresence findSettingsFile(const QString& settingsFolder) {
    const QFileInfo info(settingsFilePath(settingsFolder));
    return info.exists() && info.isFile() && !info.isHidden() ? SettingsPresence::Present
                                                              : SettingsPresence::Missing;
}

bool fitsSettingsLine(const QString& folder) {
    return !folder.contains(QLatin1Char('\n')) && !folder.contains(QLatin1Char('\r'));
}

std::optional<StoredFolders> readSettingsFile(const QString& settingsFolder) {
    // Opened without waiting, so a pipe in the file's place cannot hold the start-up, and read only
    // when it is a regular file; a file of any size, of which only the two lines count.
    const files::RegularFile file =
        files::RegularFile::open(QFile::encodeName(settingsFilePath(settingsFolder)).toStdString(),
                                 files::RegularFile::kAnySize);
    if (!file.isOpen())
        return std::nullopt;
    std::vector<std::uint8_t> text(
        static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), kSettingsBytesRead)));
    // A read that fails ends the text where it failed.
    text.resize(file.readAt(0, text).bytes);
    std::size_t at = 0;
    const std::optional<QByteArray> first = readLine(text, at);
    if (!first)
        return std::nullopt;
    const std::optional<QByteArray> second = readLine(text, at);
    if (!second)
        return std::nullopt;
    return StoredFolders{folderFromBytes(*first), folderFromBytes(*second)};
}

bool writeSettingsFile(const QString& settingsFolder, const StoredFolders& folders) {
    const QString path = settingsFilePath(settingsFolder);
    if (!settingsFileWritable(path))
        return false;
    // Never into a pipe or a device that took the file's place meanwhile.
    files::ReplacementFile file(QFile::encodeName(path).toStdString(),
                                files::SpecialTarget::refuse);
    const QByteArray content =
        QFile::encodeName(folders.fileDir) + "\r\n" + QFile::encodeName(folders.garminDir) + "\r\n";
    return file.write(content.constData(), static_cast<std::size_t>(content.size())) &&
           file.commit();
}
