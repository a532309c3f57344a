// A small tmpfs mounted over a folder of the test's own, so that a test meets a file system that is
// really full or really read-only. Mounting needs the right to mount (CI runs the tests as root);
// where it is missing, mount() says why and the test skips with that reason.
#pragma once

#include <QByteArray>
#include <QString>

class ScratchMount {
public:
    ScratchMount() = default;
    ~ScratchMount(); // unmounts
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    // Mounts a tmpfs of `size` (as the mount option takes it, "64k") over the folder, which is
    // created when missing. False with the system's reason when it cannot.
    bool mount(const QString& folder, const QByteArray& size, QString* why);
    // The same file system, now read-only.
    bool remountReadOnly(QString* why);

private:
    QByteArray path_;
    QByteArray options_;
};

// Whether the tests run with the rights of root, which no permission bit holds back.
bool runningAsRoot();
