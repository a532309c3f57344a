// Which file of an Images folder shows a picture, for the user's language and the screen's
// density, and that picture read ready to paint: the one rule every picture of the window is
// loaded by (the skin, the buttons, the watermarks, the preview's backdrop).
#pragma once

#include <QImage>
#include <QString>

// The file that shows `fileName` ("LocalFiles.gif"): in `imagesFolder`/`language` where that
// folder holds it (a picture with words in it), otherwise in `imagesFolder`; there the one named
// "<name>@2x.<ext>" when `devicePixelRatio` is above 1 and it exists, otherwise `fileName`
// itself. An empty language is English, the pictures of `imagesFolder` itself.
QString choosePictureFile(const QString& imagesFolder, const QString& fileName,
                          const QString& language, qreal devicePixelRatio);

// The chosen file read through ReadPictureFile, with the device pixel ratio set that keeps it at
// the size of the single-scale picture in logical pixels: 2 for a double-scale file on a screen
// of ratio 2 (or more), and for a ratio between 1 and 2 (1.25, 1.5) the double-scale picture
// scaled down smoothly to that ratio. Null when the file is missing or unreadable.
QImage readChosenPicture(const QString& imagesFolder, const QString& fileName,
                         const QString& language, qreal devicePixelRatio);
