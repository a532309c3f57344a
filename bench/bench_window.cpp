#include "bench/bench_window.h"

#include "platform/com/server_exports.h"
#include "tests/support/srf_writer.h"

#include <cstdio>
#include <QFile>
#include <QLibrary>

namespace {

bool registerCards() {
    QLibrary library(QStringLiteral(TESSEL_LIBRARY_PATH));
    const auto registerServer =
        reinterpret_cast<com::DllRegisterServerFunction>(library.resolve(com::kDllRegisterServer));
    return registerServer && registerServer() == com::S_OK;
}

} // namespace

std::unique_ptr<BenchWindow> openBenchWindow(char* programName) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto bench = std::make_unique<BenchWindow>();
    if (!bench->configuration.isValid() || !bench->programFolder.isValid()) {
        std::fprintf(stderr, "no temporary folders\n");
        return nullptr;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(bench->configuration.path()));
    // Qt keeps the argument count by reference for the application's life.
    static int qtArgc = 1;
    static char* qtArgv[] = {programName, nullptr};
    bench->application = std::make_unique<QApplication>(qtArgc, qtArgv);
    if (!registerCards()) {
        std::fprintf(stderr, "the card library %s cannot be registered\n", TESSEL_LIBRARY_PATH);
        return nullptr;
    }
    const QString folder = bench->programFolder.path();
    QFile settings(folder + "/init.ini");
    const QByteArray none = QFile::encodeName(folder + "/none");
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write(none + "\r\n" + none + "\r\n") != 2 * none.size() + 4) {
        std::fprintf(stderr, "the settings cannot be written\n");
        return nullptr;
    }
    settings.close();
    QString error;
    bench->form = frmMain::create(folder, &error);
    if (!bench->form) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    bench->form->Show();
    QApplication::processEvents();
    return bench;
}

std::vector<std::uint8_t> variedVehicleBytes(int seed, int frames, int size) {
    srftest::File file = srftest::typical(frames, size, size);
    for (srftest::Image* image : {&file.image3d, &file.image2d})
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                image->set(x, y, static_cast<std::uint16_t>((x + seed) * 2654435761u + y * 40503u),
                           static_cast<std::uint8_t>((x ^ y ^ seed) % 129));
    return srftest::bytes(file);
}
