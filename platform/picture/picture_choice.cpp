#include "platform/picture/picture_choice.h"

#include "platform/picture/picture_file.h"

#include <cmath>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString doubleScaleName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return fileName + QStringLiteral("@2x");
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

bool isFile(const QString& path) {
    return QFileInfo(path).isFile();
}

} // namespace

QString choosePictureFile(const QString& imagesFolder, const QString& fileName,
                          const QString& language, qreal devicePixelRatio) {
    QString folder = imagesFolder;
    // A language code is a folder name and nothing else: no separator, no "..".
    if (!language.isEmpty() && !language.contains(QLatin1Char('/')) &&
        !language.startsWith(QLatin1Char('.'))) {
        const QString languageFolder = imagesFolder + QLatin1Char('/') + language;
        if (isFile(languageFolder + QLatin1Char('/') + fileName))
            folder = languageFolder;
    }
    if (devicePixelRatio > 1.0) {
        const QString doubled = folder + QLatin1Char('/') + doubleScaleName(fileName);
        if (isFile(doubled))
            return doubled;
    }
    return folder + QLatin1Char('/') + fileName;
}

QImage readChosenPicture(const QString& imagesFolder, const QString& fileName,
                         const QString& language, qreal devicePixelRatio) {
    const QString path = choosePictureFile(imagesFolder, fileName, language, devicePixelRatio);
    QImage picture = ReadPictureFile(QFile::encodeName(path).toStdString());
    if (picture.isNull() || !path.endsWith(doubleScaleName(fileName)))
        return picture;
    if (devicePixelRatio >= 2.0) {
        // Above 2 Qt scales the double-scale picture up, as it scales a single-scale one at 2.
        picture.setDevicePixelRatio(2.0);
        return picture;
    }
    // Between 1 and 2: the device pixels the single-scale size takes at this ratio, drawn from
    // the double-scale picture.
    const int width = static_cast<int>(std::lround(picture.width() / 2.0 * devicePixelRatio));
    const int height = static_cast<int>(std::lround(picture.height() / 2.0 * devicePixelRatio));
    QImage scaled = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}
