// The words drawn into the pictures, in English as written here and in every language of the
// program's translations, where they are the messages of the context "Artwork".
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <QString>
#include <QtGlobal>

class QTranslator;

namespace artwork {

inline constexpr char wordContext[] = "Artwork";

enum class Word {
    Refresh,
    Rotate,
    LocalFiles,
    GarminFiles,
    TurnRightOnto,
    TurnDistance,
    TurnDistanceUnit,
    Speed,
    SpeedReading,
    CurrentRoad,
    Arrival,
    Distance,
    DistanceReading,
    MapScale,
};

struct WordSource {
    const char* text;
    const char* comment; // tells the translator where the word stands and how much room it has
};

// In the order of Word. The comments keep lupdate's messages apart and guide the translators.
inline constexpr std::array<WordSource, 14> wordSources = {{
    QT_TRANSLATE_NOOP3("Artwork", "Refresh",
                       "Word on the button that lists a pane's folder again; 75 x 25 pixels"),
    QT_TRANSLATE_NOOP3(
        "Artwork", "Rotate",
        "Word on the preview's button that sets the vehicle turning; 75 x 25 pixels"),
    QT_TRANSLATE_NOOP3("Artwork", "Local\nFiles",
                       "Watermark behind the pane of the computer's folder, on two lines"),
    QT_TRANSLATE_NOOP3("Artwork", "Garmin\nFiles",
                       "Watermark behind the pane of the navigator's folder, on two lines"),
    QT_TRANSLATE_NOOP3("Artwork", "Turn right onto",
                       "Navigator's map screen: the next turn, above the street's name"),
    QT_TRANSLATE_NOOP3("Artwork", "0.3",
                       "Navigator's map screen: the distance to the next turn, large above its "
                       "unit; a navigator in your language shows it in its own units"),
    QT_TRANSLATE_NOOP3("Artwork", "mi",
                       "Navigator's map screen: the unit of the distance to the next turn"),
    QT_TRANSLATE_NOOP3("Artwork", "Speed", "Navigator's map screen: the label of the speed"),
    QT_TRANSLATE_NOOP3("Artwork", "38 mph",
                       "Navigator's map screen: the vehicle's speed, in your navigator's units"),
    QT_TRANSLATE_NOOP3("Artwork", "On",
                       "Navigator's map screen: the label of the street the vehicle is on"),
    QT_TRANSLATE_NOOP3("Artwork", "Arrival",
                       "Navigator's map screen: the label of the time of arrival"),
    QT_TRANSLATE_NOOP3("Artwork", "Distance",
                       "Navigator's map screen: the label of the distance still to go"),
    QT_TRANSLATE_NOOP3("Artwork", "4.6 mi",
                       "Navigator's map screen: the distance still to go, in your navigator's "
                       "units"),
    QT_TRANSLATE_NOOP3("Artwork", "200 ft",
                       "Navigator's map screen: the map's scale bar, about the distance between "
                       "two streets"),
}};

// The words of one language.
class Lettering {
public:
    // The words as written in the sources.
    static const Lettering& english();
    // The translator's words; nothing when it lacks one, whose English is then put in
    // `missing`: a picture drawn with it would show English among the language's words.
    static std::optional<Lettering> translated(const QTranslator& translator, QString* missing);

    const QString& text(Word word) const { return texts_[static_cast<std::size_t>(word)]; }

private:
    std::array<QString, wordSources.size()> texts_;
};

} // namespace artwork
