#include "tests/app/exfat_volume.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <sys/mount.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {

constexpr long kFuseMagic = 0x65735546;
constexpr std::chrono::seconds kPatience{10};

// Runs a tool to its end; its output, or why it did not run, goes to `why` when it fails.
bool run(const QString& program, const QStringList& arguments, QString* why,
         QByteArray* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(kPatience).count()))) {
        *why = program + QStringLiteral(": ") + process.errorString();
        process.kill();
        process.waitForFinished();
        return false;
    }
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *why = program + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(process.readAllStandardError() + out).trimmed();
        return false;
    }
    if (output)
        *output = out;
    return true;
}

bool mountedThroughFuse(const QString& folder) {
    struct statfs volume {};
    return ::statfs(QFile::encodeName(folder).constData(), &volume) == 0 &&
           volume.f_type == kFuseMagic;
}

QString systemWords(const char* what) {
    return QString::fromLatin1(what) + QStringLiteral(": ") +
           QString::fromLocal8Bit(std::strerror(errno));
}

std::uint32_t little32(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[i]);
    return value;
}

} // namespace

ExfatVolume::ExfatVolume() = default;

ExfatVolume::~ExfatVolume() {
    QString ignored;
    unmount(&ignored);
    if (!device_.isEmpty())
        run(QStringLiteral("losetup"), {QStringLiteral("-d"), device_}, &ignored);
}

bool ExfatVolume::create(const QString& image, const QString& folder, QString* why) {
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        *why = systemWords("/dev/fuse cannot be used");
        return false;
    }
    image_ = image;
    folder_ = folder;
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(8 * 1024 * 1024)) {
        *why = QStringLiteral("cannot make the image ") + image + QStringLiteral(": ") +
               file.errorString();
        return false;
    }
    file.close();
    if (!QDir().mkpath(folder)) {
        *why = QStringLiteral("cannot create ") + folder;
        return false;
    }
    QByteArray attached;
    if (!run(QStringLiteral("mkfs.exfat"),
             {QStringLiteral("-c"), QString::number(kClusterBytes), image}, why) ||
        !run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image},
             why, &attached))
        return false;
    device_ = QString::fromLocal8Bit(attached).trimmed();
    return mount(why);
}

bool ExfatVolume::mount(QString* why) {
    driver_ = std::make_unique<QProcess>();
    // -d keeps the driver in the foreground, so its end tells when it has let go of the volume;
    // what it says meanwhile is of no interest.
    driver_->setStandardOutputFile(QProcess::nullDevice());
    driver_->setStandardErrorFile(QProcess::nullDevice());
    driver_->start(QStringLiteral("mount.exfat-fuse"), {QStringLiteral("-d"), device_, folder_});
    if (!driver_->waitForStarted()) {
        *why = QStringLiteral("mount.exfat-fuse: ") + driver_->errorString();
        driver_.reset();
        return false;
    }
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (!mountedThroughFuse(folder_)) {
        if (driver_->state() == QProcess::NotRunning || std::chrono::steady_clock::now() > until) {
            *why = QStringLiteral("mount.exfat-fuse did not mount ") + device_;
            driver_->kill();
            driver_->waitForFinished();
            driver_.reset();
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

bool ExfatVolume::unmount(QString* why) {
    if (!driver_)
        return true;
    const QByteArray path = QFile::encodeName(folder_);
    bool unmounted = true;
    // Busy for a moment while the kernel still holds a file of the test open.
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (::umount2(path.constData(), 0) != 0) {
        if (errno != EBUSY || std::chrono::steady_clock::now() > until) {
            *why = systemWords("unmounting failed");
            ::umount2(path.constData(), MNT_DETACH);
            unmounted = false;
            break;
        }
        QThread::msleep(5);
    }
    if (!driver_->waitForFinished(static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(kPatience).count()))) {
        *why = QStringLiteral("mount.exfat-fuse did not end");
        driver_->kill();
        driver_->waitForFinished();
        unmounted = false;
    }
    driver_.reset();
    return unmounted;
}

bool ExfatVolume::writeScattered(const QString& name, const QByteArray& bytes, QString* why) {
    QFile file(folder_ + QLatin1Char('/') + name);
    QFile gap(folder_ + QLatin1Char('/') + name + QStringLiteral("~gap"));
    if (!file.open(QIODevice::WriteOnly) || !gap.open(QIODevice::WriteOnly)) {
        *why = QStringLiteral("cannot write on the volume");
        return false;
    }
    const QByteArray filler(kClusterBytes, 'g');
    for (qsizetype at = 0; at < bytes.size(); at += kClusterBytes) {
        // Each piece goes to the driver at once, so it takes the next free cluster for it.
        const QByteArray piece = bytes.mid(at, kClusterBytes);
        if (file.write(piece) != piece.size() || !file.flush() ||
            gap.write(filler) != filler.size() || !gap.flush()) {
            *why = QStringLiteral("cannot write on the volume");
            return false;
        }
    }
    return true;
}

bool ExfatVolume::breakAfterFirstCluster(const QByteArray& firstBytes, QString* why) {
    if (driver_) {
        *why = QStringLiteral("the volume is mounted");
        return false;
    }
    // Through the loop device, whose cache the driver reads through next time.
    QFile volume(device_);
    if (!volume.open(QIODevice::ReadWrite)) {
        *why = device_ + QStringLiteral(": ") + volume.errorString();
        return false;
    }
    const QByteArray boot = volume.read(512);
    if (boot.size() != 512 || boot.mid(3, 8) != "EXFAT   ") {
        *why = QStringLiteral("no exFAT boot sector");
        return false;
    }
    const std::uint32_t fatOffset = little32(boot.constData() + 80);
    const std::uint32_t heapOffset = little32(boot.constData() + 88);
    const std::uint32_t clusterCount = little32(boot.constData() + 92);
    const qint64 sectorBytes = qint64{1} << static_cast<std::uint8_t>(boot[108]);
    const qint64 clusterBytes = sectorBytes << static_cast<std::uint8_t>(boot[109]);
    // Clusters are counted from 2.
    for (std::uint32_t cluster = 2; cluster < clusterCount + 2; ++cluster) {
        if (!volume.seek(heapOffset * sectorBytes + (cluster - 2) * clusterBytes) ||
            volume.read(firstBytes.size()) != firstBytes)
            continue;
        // The entry of the first cluster names the second; a bad cluster's mark ends the chain.
        const char bad[4] = {'\xF7', '\xFF', '\xFF', '\xFF'};
        if (!volume.seek(fatOffset * sectorBytes + qint64{4} * cluster) ||
            volume.write(bad, 4) != 4 || !volume.flush() || ::fsync(volume.handle()) != 0) {
            *why = QStringLiteral("cannot write the allocation table");
            return false;
        }
        return true;
    }
    *why = QStringLiteral("no cluster begins with the bytes");
    return false;
}
