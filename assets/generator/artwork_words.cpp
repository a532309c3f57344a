#include "assets/generator/artwork_words.h"

#include <QTranslator>

namespace artwork {

const Lettering& Lettering::english() {
    static const Lettering words = [] {
        Lettering english;
        for (std::size_t i = 0; i < wordSources.size(); ++i)
            english.texts_[i] = QString::fromUtf8(wordSources[i].text);
        return english;
    }();
    return words;
}

std::optional<Lettering> Lettering::translated(const QTranslator& translator, QString* missing) {
    Lettering words;
    for (std::size_t i = 0; i < wordSources.size(); ++i) {
        // lrelease leaves unfinished messages out, so an empty text is one not translated yet.
        words.texts_[i] =
            translator.translate(wordContext, wordSources[i].text, wordSources[i].comment);
        if (words.texts_[i].isEmpty()) {
            *missing = QString::fromUtf8(wordSources[i].text);
            return std::nullopt;
        }
    }
    return words;
}

} // namespace artwork
