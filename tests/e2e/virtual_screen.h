// The built program on a virtual X server, as a user sees it: starting Xvfb, the environment that
// sends a program to it, grabbing what it shows, and what a card of the window looks like there.
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>

// Where the window's parts lie, in pixels of the window.
constexpr QSize WindowSize(781, 598);
constexpr QPoint FilesCard(28, 84);
constexpr QPoint GarminCard(421, 84);
constexpr QPoint ThumbnailInCard(6, 6);
constexpr QRect FirstLineInCard(115, 12, 190, 20);

class VirtualScreen {
public:
    // `configuration` is the folder the programs keep their configuration in.
    explicit VirtualScreen(QString configuration);
    ~VirtualScreen(); // ends the server

    // Starts Xvfb on a display number it picks itself; false when there is no Xvfb.
    bool start();
    const QString& display() const { return display_; }
    // The system's environment, sent to this display with this configuration folder.
    QProcessEnvironment environment() const;
    // What the display shows; null when it cannot be grabbed.
    QImage grab() const;
    // The window's top left: the window is centred on the screen.
    QPoint windowOn(const QImage& screen) const;
    // Runs xdotool with the arguments on this display; false when it is missing or fails.
    bool xdotool(const QStringList& arguments) const;

private:
    QString configuration_;
    QString display_;
    QProcess server_;
};

// Ends a process that still runs, with a kill when a termination request is not enough.
void endProcess(QProcess& process);

// The first vehicle of the folder's listing.
QString firstListed(const QString& folder);
// The vehicle's thumbnail as a card shows it: its first frame blended over a white cell, centred.
QImage expectedThumbnail(const QString& file);
// Whether the screen shows the picture with its top left at `at`, within rounding.
bool showsBlock(const QImage& screen, QPoint at, const QImage& block);
// Whether the screen shows the thumbnail at `at`: the inside of the cell (its first row and column
// lie under the card's frame and the strip's edge) within rounding.
bool showsThumbnail(const QImage& screen, QPoint at, const QImage& expected);
// Pixels of the card's cyan text in a box of the text panel.
int textPixels(const QImage& screen, const QRect& box);
