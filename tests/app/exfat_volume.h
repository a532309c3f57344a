// An exFAT volume of the test's own, formatted as a navigator's memory card is: an image file on a
// loop device, mounted through exfat-fuse over a folder. It ignores letter case in names, lists
// them in the order of its directory, and can be broken on purpose. Making it needs the right to
// attach loop devices and mount (CI runs the tests as root) and the exFAT tools; where it cannot
// be made, create() says why, and EXFAT_VOLUME_OR_END ends the test with that reason.
#pragma once

#include "tests/app/scratch_mount.h"

#include <memory>
#include <QByteArray>
#include <QString>

class QProcess;

class ExfatVolume {
public:
    ExfatVolume();
    ~ExfatVolume(); // unmounts and detaches the loop device
    ExfatVolume(const ExfatVolume&) = delete;
    ExfatVolume& operator=(const ExfatVolume&) = delete;

    // Makes an image file of 8 MiB with clusters of kClusterBytes at `image`, formats it, attaches
    // it to a free loop device and mounts it over `folder`, which is created when missing. False
    // with the reason when any step fails.
    bool create(const QString& image, const QString& folder, QString* why);
    // Unmounts, and waits until the driver has written all it holds and let go of the device.
    bool unmount(QString* why);
    // Mounts the volume over its folder again; the driver then reads the directory as it lies on
    // the volume.
    bool mount(QString* why);

    // Writes a file one cluster at a time with a cluster of another file between each, so that
    // its clusters do not follow each other and the volume keeps their chain in its allocation
    // table. The other file is named `name` with "~gap" added.
    bool writeScattered(const QString& name, const QByteArray& bytes, QString* why);
    // While unmounted: marks the second cluster of the file whose first cluster begins with
    // `firstBytes` as bad in the allocation table, so that reading past its first cluster fails
    // with an I/O error, as a worn card does. Its name, size and first cluster stay readable.
    bool breakAfterFirstCluster(const QByteArray& firstBytes, QString* why);

    const QString& folder() const { return folder_; }
    const QString& device() const { return device_; }

    static constexpr int kClusterBytes = 4096;

private:
    QString image_;
    QString folder_;
    QString device_;
    // The driver in the foreground: it ends once its volume is unmounted and written.
    std::unique_ptr<QProcess> driver_;
};

// In a test body or SetUp: makes the volume, or ends the test with the reason it cannot be made.
// As root (in CI) it must be made, so the test fails; otherwise it is skipped.
#define EXFAT_VOLUME_OR_END(volume, image, folder)                                                 \
    do {                                                                                           \
        QString whyNot;                                                                            \
        if (!(volume).create((image), (folder), &whyNot)) {                                        \
            if (runningAsRoot())                                                                   \
                FAIL() << "no exFAT volume: " << whyNot.toStdString();                             \
            GTEST_SKIP() << "no exFAT volume: " << whyNot.toStdString();                           \
        }                                                                                          \
    } while (false)
