// The preview's backdrop: the navigator's map screen as the driver sees it while following a
// route, with the spot where the preview stands the vehicle on the route.
#pragma once

#include "assets/generator/artwork_words.h"
#include "assets/generator/canvas.h"

#include <array>
#include <QImage>
#include <QRect>

namespace artwork {

// One pixel wider and higher than the 654 x 420 picture box that shows it: the preview shows the
// picture from its pixel (1, 1) on.
inline constexpr int kNavigatorScreenWidth = 655;
inline constexpr int kNavigatorScreenHeight = 421;

// The square the preview centres the vehicle in; the route runs up through its middle.
inline constexpr QRect kVehicleSquare{291, 207, 80, 80};

// The bars above and below the map, each with its readouts.
inline constexpr QRect kTopBar{0, 0, kNavigatorScreenWidth, 58};
inline constexpr QRect kBottomBar{0, 367, kNavigatorScreenWidth, 54};

// Every word the screen shows.
inline constexpr std::array<Word, 10> navigatorScreenWords = {
    Word::TurnRightOnto,   Word::TurnDistance, Word::TurnDistanceUnit, Word::Speed,
    Word::SpeedReading,    Word::CurrentRoad,  Word::Arrival,          Word::Distance,
    Word::DistanceReading, Word::MapScale,
};

// The navigator shows its instructions and readouts in the lettering's words and units; the
// kStreets keep their names.
QImage drawNavigatorScreen(const Lettering& lettering = Lettering::english(),
                           int scale = singleScale);

} // namespace artwork
