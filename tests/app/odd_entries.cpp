#include "tests/app/odd_entries.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

void makePipe(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0) << std::strerror(errno);
}

void makeSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path) << name.data();
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    // The socket's name stays in the folder after the socket is closed.
    const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(fd);
    ASSERT_EQ(bound, 0) << std::strerror(error);
}

void makeLink(const QString& target, const QString& path) {
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
              0)
        << std::strerror(errno);
}

void makeSparseFile(const QString& path, std::int64_t size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_TRUE(file.resize(size));
}

QStringList makeOddEntries(const QString& folder) {
    QDir().mkpath(folder + "/odd");
    makePipe(folder + "/odd/pipe");
    makePipe(folder + "/Pipe.srf");
    makeLink(folder + "/odd/pipe", folder + "/LinkToPipe.srf");
    makeLink("/dev/null", folder + "/LinkToNull.srf");
    QDir().mkpath(folder + "/Folder.srf");
    makeLink(folder + "/odd", folder + "/LinkToFolder.srf");
    makeSocket(folder + "/Socket.srf");
    makeLink(folder + "/odd/missing", folder + "/Dangling.srf");
    makeSparseFile(folder + "/Huge.srf", 64 * 1024 * 1024 + 1);
    return {"Pipe.srf",         "LinkToPipe.srf", "LinkToNull.srf", "Folder.srf",
            "LinkToFolder.srf", "Socket.srf",     "Dangling.srf",   "Huge.srf"};
}
