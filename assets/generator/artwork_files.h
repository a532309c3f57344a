// Every picture of the program folder's "Images" folder, encoded in its file format.
#pragma once

#include <functional>
#include <QByteArray>
#include <QString>
#include <vector>

namespace artwork {

struct ArtworkFile {
    QString fileName;
    std::function<QByteArray()> encode; // empty bytes: the picture could not be encoded
};

std::vector<ArtworkFile> artworkFiles();

// Writes every file of artworkFiles() into `folder`, creating it, each file replaced whole so
// an interrupted run leaves no half-written picture. False with `error` set on the first
// failure.
bool writeArtwork(const QString& folder, QString* error);

} // namespace artwork
