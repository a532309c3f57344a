// The up and down pictures of the window's skinned buttons: light-blue rounded buttons carrying
// a symbol or a word.
#pragma once

#include "assets/generator/artwork_words.h"
#include "assets/generator/canvas.h"

#include <array>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <variant>

namespace artwork {

enum class ButtonSymbol { MinimiseBar, Cross, DeviceLetter, Folder };

struct ButtonPicture {
    const char* fileStem; // the files are fileStem + "Up.bmp" and fileStem + "Down.bmp"
    QSize size;
    std::variant<ButtonSymbol, Word> face; // what the button carries
    QRgb cornerColour; // the colour under the button, showing outside its rounded corners
};

inline constexpr QRgb kTitleBandGrey = qRgb(128, 128, 128);
inline constexpr QRgb kBlackBand = qRgb(0, 0, 0);

// The close button's pictures serve both the title band and the preview's grey panel, which
// share the grey.
inline constexpr std::array<ButtonPicture, 6> kButtonPictures = {{
    {"MinButton", QSize(25, 25), ButtonSymbol::MinimiseBar, kTitleBandGrey},
    {"XButton", QSize(25, 25), ButtonSymbol::Cross, kTitleBandGrey},
    {"GPSButton", QSize(25, 25), ButtonSymbol::DeviceLetter, kBlackBand},
    {"DirButton", QSize(25, 25), ButtonSymbol::Folder, kBlackBand},
    {"RefreshButton", QSize(75, 25), Word::Refresh, kBlackBand},
    {"RotateButton", QSize(75, 25), Word::Rotate, kTitleBandGrey},
}};

// The pressed picture is darker, lit from below instead of above, and its symbol sits one pixel
// lower and to the right, so the button looks pushed in. A word is the lettering's, centred.
QImage drawButton(const ButtonPicture& button, bool pressed,
                  const Lettering& lettering = Lettering::english(), int scale = singleScale);

} // namespace artwork
