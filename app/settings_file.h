// The settings file "init.ini" in the settings folder (state_folders.h): two lines, the local
// folder then the navigator's folder, each ended by CR LF, no header, no key, no quoting; the whole
// line is the folder. A folder is written as the bytes the file system names it by (UTF-8 here), so
// every folder comes back unchanged; a file from a single-byte system is read as Latin-1.
#pragma once

#include <optional>
#include <QString>

struct StoredFolders {
    QString fileDir;
    QString garminDir;
};

QString settingsFilePath(const QString& settingsFolder);

enum class SettingsPresence { Missing, Present };

// Whether the folder holds "init.ini" as a normal file (not a folder, not hidden).
SettingsPresence findSettingsFile(const QString& settingsFolder);

// Whether the folder can be kept on a line of the file: its name holds no line feed and no
// carriage return, either of which would end the line there.
bool fitsSettingsLine(const QString& folder);

// The two folders, or nothing when the file cannot be opened or holds fewer than two lines.
// Lines end at CR LF, a lone CR or a lone LF; the last line may lack its end. Further lines are
// ignored. A line longer than any folder name can be is taken as a damaged file.
std::optional<StoredFolders> readSettingsFile(const QString& settingsFolder);

// Writes both lines, each ended by CR LF, into a temporary file beside "init.ini" and renames it
// over the old one, so an existing file is never left truncated. A link named "init.ini" is
// followed when it leads to a regular file, which is then replaced the same way in its own folder;
// anything else in the file's place (a link to a device, a pipe, a folder or nothing, or such a
// thing itself) is left alone, with one line on stderr. False when nothing was written.
bool writeSettingsFile(const QString& settingsFolder, const StoredFolders& folders);
