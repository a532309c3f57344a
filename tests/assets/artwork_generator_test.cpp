// The generator as the build runs it.
#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

int runGenerator(const QStringList& arguments) {
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    generator.start(QStringLiteral(MOTORHALL_ARTWORK_GENERATOR), arguments);
    if (!generator.waitForFinished(-1) || generator.exitStatus() != QProcess::NormalExit)
        return -1;
    return generator.exitCode();
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ArtworkGenerator, ASecondRunWritesTheSameFilesByteForByte) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString output = scratch.filePath(QStringLiteral("Images"));
    ASSERT_EQ(runGenerator({output}), 0);

    const QDir built(QStringLiteral(MOTORHALL_IMAGES_DIR));
    const QStringList names = QDir(output).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names, built.entryList(names, QDir::Files, QDir::Name));
    for (const QString& name : names) {
        const QByteArray fresh = contents(QDir(output).filePath(name));
        EXPECT_FALSE(fresh.isEmpty()) << name.toStdString();
        EXPECT_TRUE(fresh == contents(built.filePath(name))) << name.toStdString();
    }
}

// Every file below `folder`, by its path relative to it, sorted.
QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

TEST(ArtworkGenerator, ASecondRunWritesTheSameLanguageFoldersAndTwinsByteForByte) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString output = scratch.filePath(QStringLiteral("Images"));
    ASSERT_EQ(runGenerator({output}), 0);

    const QStringList names = filesBelow(output);
    EXPECT_EQ(names, filesBelow(QStringLiteral(MOTORHALL_IMAGES_DIR)));
    EXPECT_TRUE(names.contains(QStringLiteral("de/LocalFiles@2x.gif")));
    for (const QString& name : names) {
        const QByteArray fresh = contents(QDir(output).filePath(name));
        EXPECT_FALSE(fresh.isEmpty()) << name.toStdString();
        EXPECT_TRUE(fresh == contents(QDir(QStringLiteral(MOTORHALL_IMAGES_DIR)).filePath(name)))
            << name.toStdString();
    }
}

TEST(ArtworkGenerator, FailsWhenItCannotWriteOrIsCalledWrongly) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString plainFile = scratch.filePath(QStringLiteral("not-a-folder"));
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_NE(runGenerator({plainFile + QStringLiteral("/Images")}), 0);
    EXPECT_NE(runGenerator({}), 0);
    EXPECT_NE(runGenerator({scratch.path(), scratch.path()}), 0);
}

} // namespace
