#include "tests/app/scratch_mount.h"

#include <cerrno>
#include <cstring>
#include <QDir>
#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString failure(const char* what) {
    return QString::fromLatin1(what) + QStringLiteral(": ") +
           QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

ScratchMount::~ScratchMount() {
    if (!path_.isEmpty())
        ::umount2(path_.constData(), MNT_DETACH);
}

bool ScratchMount::mount(const QString& folder, const QByteArray& size, QString* why) {
    if (!QDir().mkpath(folder)) {
        *why = QStringLiteral("cannot create ") + folder;
        return false;
    }
    const QByteArray path = QFile::encodeName(folder);
    options_ = "size=" + size + ",mode=0755";
    if (::mount("tmpfs", path.constData(), "tmpfs", 0, options_.constData()) != 0) {
        *why = failure("mounting a tmpfs is not allowed here");
        return false;
    }
    path_ = path;
    return true;
}

bool ScratchMount::remountReadOnly(QString* why) {
    if (::mount("tmpfs", path_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                options_.constData()) != 0) {
        *why = failure("remounting read-only failed");
        return false;
    }
    return true;
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}
