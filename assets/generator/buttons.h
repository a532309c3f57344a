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

inline constexpr QRgb kTitleBandGrey = qRgb(128, 128, 128);
inline constexpr QRgb kBlackBand = qRgb(0, 0, 0);

// The close button's pictures serve both the title band and the preview's grey panel, which
// share the grey.
inline constexpr std::array<ButtonPicture, 6> kButtonPictures = {{
    {"MinButton", QSize(25, 25), ButtonSymbol::MinimiseBar, nullptr, kTitleBandGrey},
    {"XButton", QSize(25, 25), ButtonSymbol::Cross, nullptr, kTitleBandGrey},
    {"GPSButton", QSize(25, 25), ButtonSymbol::DeviceLetter, nullptr, kBlackBand},
    {"DirButton", QSize(25, 25), ButtonSymbol::Folder, nullptr, kBlackBand},
    {"RefreshButton", QSize(75, 25), ButtonSymbol::Word, "Refresh", kBlackBand},
    {"RotateButton", QSize(75, 25), ButtonSymbol::Word, "Rotate", kTitleBandGrey},
}};

// The pressed picture is darker, lit from below instead of above, and its symbol sits one pixel
// lower and to the right, so the button looks pushed in.
QImage drawButton(const ButtonPicture& button, bool pressed);

} // namespace artwork
