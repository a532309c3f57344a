// Folder entries named like vehicles that are no vehicle files, made for real on the test's file
// system: pipes, sockets, folders, devices reached by a link, dangling links and a sparse file
// just over the largest vehicle the program takes.
#pragma once

#include <cstdint>
#include <QString>
#include <QStringList>

void makePipe(const QString& path);
void makeSocket(const QString& path);
void makeLink(const QString& target, const QString& path);
// A file of `size` bytes that takes no room on the disk (all zero bytes).
void makeSparseFile(const QString& path, std::int64_t size);

// Makes one entry of each kind in the folder and gives their names: Pipe.srf, LinkToPipe.srf,
// LinkToNull.srf (/dev/null), Folder.srf, LinkToFolder.srf, Socket.srf, Dangling.srf and
// Huge.srf (one byte over 64 MiB).
QStringList makeOddEntries(const QString& folder);
