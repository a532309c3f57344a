// The temporary files that a replacement write (files::ReplacementFile) leaves behind when the
// program is killed or the navigator pulled out in the middle of it: ".mh-" and six letters or
// digits, in the folder of the file it was for. Nothing else ever removes them.
#pragma once

#include <chrono>
#include <QByteArray>
#include <QString>

// How long since its last change before a temporary file counts as left over: a younger one may
// belong to another running instance of the program, which is still writing it.
inline constexpr std::chrono::minutes kLeftoverAge{10};

// Whether the name is one that a replacement write gives its temporary file.
bool isTemporaryFileName(const QByteArray& name);

// Deletes the folder's temporary files last changed more than kLeftoverAge ago: only regular files
// of exactly such a name, never a link (nor what it points to) or a folder. What cannot be looked
// at or deleted stays, without a word.
void removeLeftoverTemporaries(const QString& folder);
