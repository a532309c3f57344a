// Every picture of the program folder's "Images" folder, encoded in its file format: each at
// single and double scale, the English ones in Images and those of each language whose words
// change the drawing in Images/<language>.
#pragma once

#include "assets/generator/artwork_words.h"
#include "assets/generator/canvas.h"

#include <functional>
#include <QByteArray>
#include <QString>
#include <vector>

namespace artwork {

struct ArtworkFile {
    QString fileName;
    std::vector<Word> words;            // the words drawn into the picture
    std::function<QByteArray()> encode; // empty bytes: the picture could not be encoded
};

// "Skin.bmp" at double scale is "Skin@2x.bmp".
QString scaledFileName(const QString& fileName, int scale);

// The pictures drawn with `lettering` at `scale`, named for the scale. The program icon comes at
// single scale only: its eight sizes are what a desktop chooses from at every density.
std::vector<ArtworkFile> artworkFiles(const Lettering& lettering = Lettering::english(),
                                      int scale = singleScale);

struct ArtworkLanguage {
    QString code; // ISO 639-1, the name of the language's folder
    Lettering lettering;
};

// Writes the English pictures at both scales into `folder`, creating it, and into the folder
// `code` below it each picture in which a language writes a word otherwise than English does;
// a picture of a language whose words no longer differ is removed from there. Each file is replaced
// whole, so an interrupted run leaves no half-written picture. False with `error` set on the first
// failure.
bool writeArtwork(const QString& folder, const std::vector<ArtworkLanguage>& languages,
                  QString* error);

} // namespace artwork
