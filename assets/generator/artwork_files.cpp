#include "assets/generator/artwork_files.h"

#include "assets/generator/bmp_writer.h"
#include "assets/generator/buttons.h"
#include "assets/generator/gif_writer.h"
#include "assets/generator/navigator_screen.h"
#include "assets/generator/program_icon.h"
#include "assets/generator/skin.h"
#include "assets/generator/watermarks.h"

#include <algorithm>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace artwork {
namespace {

QByteArray encodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

std::vector<Word> wordsOf(const ButtonPicture& button) {
    if (const Word* word = std::get_if<Word>(&button.face))
        return {*word};
    return {};
}

bool encode(const ArtworkFile& file, QByteArray* bytes, QString* error) {
    *bytes = file.encode();
    if (bytes->isEmpty()) {
        *error = QStringLiteral("cannot encode %1").arg(file.fileName);
        return false;
    }
    return true;
}

bool writeFile(const QDir& target, const QString& fileName, const QByteArray& bytes,
               QString* error) {
    QSaveFile out(target.filePath(fileName));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString());
        return false;
    }
    return true;
}

bool makeFolder(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    return true;
}

// Decided by the words, not by comparing pictures: the same words make the same drawing, while
// lettering drawn from outlines can come out a shade different in a later drawing of it.
bool differsFromEnglish(const ArtworkFile& file, const Lettering& lettering) {
    return std::any_of(file.words.begin(), file.words.end(), [&](Word word) {
        return lettering.text(word) != Lettering::english().text(word);
    });
}

bool writeLanguage(const QDir& images, const ArtworkLanguage& language, QString* error) {
    const QString folder = images.filePath(language.code);
    if (!makeFolder(folder, error))
        return false;
    const QDir target(folder);
    for (const int scale : {singleScale, doubleScale}) {
        for (const ArtworkFile& file : artworkFiles(language.lettering, scale)) {
            const QString path = target.filePath(file.fileName);
            if (differsFromEnglish(file, language.lettering)) {
                QByteArray bytes;
                if (!encode(file, &bytes, error) || !writeFile(target, file.fileName, bytes, error))
                    return false;
            } else if (QFileInfo(path).isFile() && !QFile::remove(path)) {
                *error = QStringLiteral("cannot remove %1").arg(path);
                return false;
            }
        }
    }
    return true;
}

} // namespace

QString scaledFileName(const QString& fileName, int scale) {
    if (scale == singleScale)
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return fileName.left(dot) + QStringLiteral("@%1x").arg(scale) + fileName.mid(dot);
}

std::vector<ArtworkFile> artworkFiles(const Lettering& lettering, int scale) {
    // Captured by address: the lettering outlives the list, which is encoded right away.
    const Lettering* words = &lettering;
    const auto named = [scale](const QString& fileName) { return scaledFileName(fileName, scale); };
    std::vector<ArtworkFile> files;
    files.push_back(
        {named(QStringLiteral("Skin.bmp")), {}, [scale] { return encodeBmp24(drawSkin(scale)); }});
    if (scale == singleScale) {
        for (const int size : kProgramIconSizes) {
            files.push_back({QStringLiteral("Icon-%1.png").arg(size), {}, [size] {
                                 return encodePng(drawProgramIcon(size));
                             }});
        }
    }
    for (const ButtonPicture& button : kButtonPictures) {
        for (const bool pressed : {false, true}) {
            files.push_back(
                {named(QString::fromLatin1(button.fileStem) + (pressed ? "Down.bmp" : "Up.bmp")),
                 wordsOf(button), [button, pressed, words, scale] {
                     return encodeBmp24(drawButton(button, pressed, *words, scale));
                 }});
        }
    }
    files.push_back({named(QStringLiteral("Garmin760.bmp")),
                     {navigatorScreenWords.begin(), navigatorScreenWords.end()},
                     [words, scale] { return encodeBmp24(drawNavigatorScreen(*words, scale)); }});
    for (const WatermarkPicture& picture : kWatermarkPictures) {
        files.push_back(
            {named(QString::fromLatin1(picture.fileName)), {picture.name}, [picture, words, scale] {
                 return encodeGif89a(drawWatermark(picture, *words, scale));
             }});
    }
    return files;
}

bool writeArtwork(const QString& folder, const std::vector<ArtworkLanguage>& languages,
                  QString* error) {
    if (!makeFolder(folder, error))
        return false;
    const QDir images(folder);
    for (const int scale : {singleScale, doubleScale}) {
        for (const ArtworkFile& file : artworkFiles(Lettering::english(), scale)) {
            QByteArray bytes;
            if (!encode(file, &bytes, error) || !writeFile(images, file.fileName, bytes, error))
                return false;
        }
    }
    for (const ArtworkLanguage& language : languages) {
        if (!writeLanguage(images, language, error))
            return false;
    }
    return true;
}

} // namespace artwork
