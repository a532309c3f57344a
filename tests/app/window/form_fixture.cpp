#include "tests/app/window/form_fixture.h"

#include "app/toolkit/screen.h"
#include "platform/com/server_exports.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QTest>

namespace {

struct ButtonFiles {
    const char* stem;
    QSize size;
    int hue;
};

constexpr ButtonFiles kButtons[] = {
    {"GPSButton", {25, 25}, 0},   {"DirButton", {25, 25}, 50}, {"RefreshButton", {75, 25}, 100},
    {"MinButton", {25, 25}, 150}, {"XButton", {25, 25}, 200},  {"RotateButton", {75, 25}, 250},
};

int hueOf(const QString& stem) {
    for (const auto& button : kButtons) {
        if (stem == QLatin1String(button.stem))
            return button.hue;
    }
    return 300;
}

// The tests' windows see no drives of the machine they run on unless a test gives its own.
class NoDrives final : public drives::DriveTable {
public:
    std::vector<drives::Drive> drives() override { return {}; }
};

} // namespace

void FormFixture::SetUpTestSuite() {
    QLibrary library(QStringLiteral(TESSEL_LIBRARY_PATH));
    auto registerServer =
        reinterpret_cast<com::DllRegisterServerFunction>(library.resolve(com::kDllRegisterServer));
    ASSERT_NE(registerServer, nullptr) << library.errorString().toStdString();
    ASSERT_EQ(registerServer(), com::S_OK);
}

void FormFixture::SetUp() {
    ASSERT_TRUE(programFolder_.isValid());
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("Images")));
    writePicture(QStringLiteral("Skin.bmp"), {782, 598}, QColor(82, 82, 82));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    ASSERT_TRUE(icon.save(imagePath(QStringLiteral("Icon-32.png")), "PNG"));
    // The watermarks are the built GIF artwork when the program folder has it; Qt cannot write
    // GIF, so the stand-in is a PNG under the same name (the reader looks at the content).
    const QString built =
        qEnvironmentVariable("MOTORHALL_PROGRAM_DIR") + QStringLiteral("/Images/");
    for (const QString& name :
         {QStringLiteral("LocalFiles.gif"), QStringLiteral("GarminFiles.gif")}) {
        if (!QFile::copy(built + name, imagePath(name))) {
            QImage image(236, 150, QImage::Format_RGB888);
            image.fill(Qt::white);
            ASSERT_TRUE(image.save(imagePath(name), "PNG"));
        }
    }
    for (const auto& button : kButtons) {
        const QString stem = QLatin1String(button.stem);
        writePicture(stem + QStringLiteral("Up.bmp"), button.size, upColour(stem));
        writePicture(stem + QStringLiteral("Down.bmp"), button.size, downColour(stem));
    }
    toolkit::setMousePointer(toolkit::vbDefault);
}

void FormFixture::TearDown() {
    form.reset();
    toolkit::setMousePointer(toolkit::vbDefault);
}

void FormFixture::createForm() {
    QString error;
    form = frmMain::create(folder(), &error);
    ASSERT_NE(form, nullptr) << error.toStdString();
    form->setDriveTable(std::make_unique<NoDrives>());
}

void FormFixture::showActive() {
    form->Show();
    form->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->window()));
}

QString FormFixture::imagePath(const QString& name) const {
    return folder() + QStringLiteral("/Images/") + name;
}

void FormFixture::writePicture(const QString& name, QSize size, QColor colour) const {
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    ASSERT_TRUE(image.save(imagePath(name), "BMP"));
}

void FormFixture::writeSettings(const QByteArray& content) const {
    QFile file(folder() + QStringLiteral("/init.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

QByteArray FormFixture::readSettings() const {
    QFile file(folder() + QStringLiteral("/init.ini"));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

QColor FormFixture::shown(const toolkit::ImageControl* image) {
    if (image->Picture().isNull())
        return QColor();
    return QColor(image->Picture().pixelColor(0, 0).rgb());
}

QColor FormFixture::upColour(const QString& stem) {
    return QColor(QColor::fromHsv(hueOf(stem), 200, 230).rgb());
}

QColor FormFixture::downColour(const QString& stem) {
    return QColor(QColor::fromHsv(hueOf(stem), 255, 90).rgb());
}
