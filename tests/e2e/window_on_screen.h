// What Motorhall's window looks like on a screen grabbed as an image: where its parts lie and how
// a card shows a vehicle, for the checks that look at the running program from outside.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where the window's parts lie, in pixels of the window.
constexpr QSize WindowSize(781, 598);
constexpr QPoint FilesCard(28, 84);
constexpr QPoint GarminCard(421, 84);
constexpr QPoint ThumbnailInCard(6, 6);
constexpr QRect FirstLineInCard(115, 12, 190, 20);

// The window's top left: the window is centred on the screen.
QPoint windowOn(const QImage& screen);
// The first vehicle of a local folder's listing, which the window sorts by upper-cased names.
QString firstListed(const QString& folder);
// The vehicle's thumbnail as a card shows it: its first frame blended over a white cell, centred.
QImage expectedThumbnail(const QString& file);
// Whether the screen shows the picture with its top left at `at`, within rounding.
bool showsBlock(const QImage& screen, QPoint at, const QImage& block);
// Whether the screen shows the thumbnail at `at`: the inside of the cell (its first row and column
// lie under the card's frame and the strip's edge) within rounding.
bool showsThumbnail(const QImage& screen, QPoint at, const QImage& expected);
// Whether card 1 of both panes shows the thumbnail, as when both panes list one folder.
bool showsInBothPanes(const QImage& screen, const QImage& expected);
// Pixels of the card's cyan text in a box of the text panel.
int textPixels(const QImage& screen, const QRect& box);
