// The file services the catalogue listing relies on: the vehicle files of a folder, the working
// folder that holds the copies of the navigator's vehicles, and a copy that never leaves a
// truncated file behind.
#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// The working folder below the program folder ("temp").
QString workingFolder(const QString& programFolder);

// Creates the folder when it is missing. False when it cannot be had, or when a file stands in
// its place.
bool ensureFolder(const QString& path);

// The names of the folder's "*.srf" files, matched without regard to letter case (CAR.SRF is a
// vehicle too), in the order the file system lists them: no sorting. Only normal files count, not
// folders, hidden (dot) files or dangling links. Nothing when the folder cannot be listed.
std::optional<QStringList> listVehicleFileNames(const QString& folder);

// Copies `source` to `target`, replacing a file of that name. The bytes go into a temporary file
// beside the target that is renamed over it at the end, so a copy that fails leaves the target as
// it was. A file copied onto itself stays untouched. False when the copy failed; `reason` then
// receives the system's words for what went wrong.
bool replaceFileCopy(const QString& source, const QString& target, QString* reason = nullptr);

// Whether the two paths name one file (the same device and inode, links followed). False when
// either cannot be looked at.
bool sameFile(const QString& first, const QString& second);
