// A file's bytes as tests write and read them back.
#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QString>

// Creates or replaces the file with exactly these bytes.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The file's bytes; "<missing>" when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}
