// The up and down pictures of the window's skinned buttons: light-blue rounded buttons carrying
// a symbol or a word.
#pragma once

#include <array>
#include <QImage>
#include <QRgb>
#include <QSize>

namespace artwork {

enum class ButtonSymbol { MinimiseBar, Cross, DeviceLetter, Folder, Word };

struct ButtonPicture {
    const char* fileStem; // the files are fileStem + "Up.bmp" and fileStem + "Down.bmp"
    QSize size;
    ButtonSymbol symbol;
    const char* word;  // for ButtonSymbol::Word
    QRgb cornerColour; // the colour under the button, showing outside its rounded corners
};

inline constexpr QRgb titleBandGrey = qRgb(128, 128, 128);
inline constexpr QRgb blackBand = qRgb(0, 0, 0);

// The close button's pictures serve both the title band and the preview's grey panel, which
// share the grey.
inline constexpr std::array<ButtonPicture, 6> buttonPictures = {{
    {"MinButton", QSize(25, 25), ButtonSymbol::MinimiseBar, nullptr, titleBandGrey},
    {"XButton", QSize(25, 25), ButtonSymbol::Cross, nullptr, titleBandGrey},
    {"GPSButton", QSize(25, 25), ButtonSymbol::DeviceLetter, nullptr, blackBand},
    {"DirButton", QSize(25, 25), ButtonSymbol::Folder, nullptr, blackBand},
    {"RefreshButton", QSize(75, 25), ButtonSymbol::Word, "Refresh", blackBand},
    {"RotateButton", QSize(75, 25), ButtonSymbol::Word, "Rotate", titleBandGrey},
}};

// The pressed picture is darker, lit from below instead of above, and its symbol sits one pixel
// lower and to the right, so the button looks pushed in.
QImage drawButton(const ButtonPicture& button, bool pressed);

} // namespace artwork
