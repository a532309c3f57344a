#include "assets/generator/artwork_files.h"

#include "assets/generator/bmp_writer.h"
#include "assets/generator/buttons.h"
#include "assets/generator/gif_writer.h"
#include "assets/generator/navigator_screen.h"
#include "assets/generator/program_icon.h"
#include "assets/generator/skin.h"
#include "assets/generator/watermarks.h"

#include <QBuffer>
#include <QDir>
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

} // namespace

std::vector<ArtworkFile> artworkFiles() {
    std::vector<ArtworkFile> files;
    files.push_back({QStringLiteral("Skin.bmp"), [] { return encodeBmp24(drawSkin()); }});
    for (const int size : kProgramIconSizes) {
        files.push_back({QStringLiteral("Icon-%1.png").arg(size),
                         [size] { return encodePng(drawProgramIcon(size)); }});
    }
    for (const ButtonPicture& button : kButtonPictures) {
        for (const bool pressed : {false, true}) {
            files.push_back(
                {QString::fromLatin1(button.fileStem) + (pressed ? "Down.bmp" : "Up.bmp"),
                 [button, pressed] { return encodeBmp24(drawButton(button, pressed)); }});
        }
    }
    files.push_back(
        {QStringLiteral("Garmin760.bmp"), [] { return encodeBmp24(drawNavigatorScreen()); }});
    for (const WatermarkPicture& picture : kWatermarkPictures) {
        files.push_back({QString::fromLatin1(picture.fileName),
                         [picture] { return encodeGif89a(drawWatermark(picture)); }});
    }
    return files;
}

bool writeArtwork(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    const QDir target(folder);
    for (const ArtworkFile& file : artworkFiles()) {
        const QByteArray bytes = file.encode();
        if (bytes.isEmpty()) {
            *error = QStringLiteral("cannot encode %1").arg(file.fileName);
            return false;
        }
        QSaveFile out(target.filePath(file.fileName));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            *error = QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString());
            return false;
        }
    }
    return true;
}

} // namespace artwork
