// The check that the translation files are complete, run on a small source folder and
// translation file of its own with Qt's lupdate.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const char kCompleteTs[] = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
</context>
</TS>
)";

const char kSourceWithRefresh[] = R"(#include <QtGlobal>
const char* refresh = QT_TRANSLATE_NOOP("Artwork", "Refresh");
)";

struct CheckCase {
    const char* name;
    const char* source; // the one source file
    const char* ts;     // the translation file
    bool complete;
    const char* named; // a text the check's report names
};

const CheckCase kCheckCases[] = {
    {"complete", kSourceWithRefresh, kCompleteTs, true, ""},
    {"unfinished", kSourceWithRefresh,
     R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de"><context><name>Artwork</name><message>
<source>Refresh</source><translation type="unfinished">Neu laden</translation>
</message></context></TS>
)",
     false, "Refresh"},
    {"empty translation", kSourceWithRefresh,
     R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de"><context><name>Artwork</name><message>
<source>Refresh</source><translation></translation>
</message></context></TS>
)",
     false, "Refresh"},
    {"text new to the sources", R"(#include <QtGlobal>
const char* refresh = QT_TRANSLATE_NOOP("Artwork", "Refresh");
const char* rotate = QT_TRANSLATE_NOOP("Artwork", "Rotate");
)",
     kCompleteTs, false, "Rotate"},
    {"text of another context", R"(#include <QCoreApplication>
const char* refresh = QT_TRANSLATE_NOOP("Artwork", "Refresh");
QString title() { return QCoreApplication::translate("MainWindow", "Garmin Files"); }
)",
     kCompleteTs, false, "Garmin Files"},
    {"text gone from the sources", R"(#include <QtGlobal>
const char* rotate = QT_TRANSLATE_NOOP("Artwork", "Rotate");
)",
     R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de"><context><name>Artwork</name>
<message><source>Refresh</source><translation>Neu laden</translation></message>
<message><source>Rotate</source><translation>Drehen</translation></message>
</context></TS>
)",
     false, "Refresh"},
};

bool writeFile(const QString& path, const char* text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text) == static_cast<qint64>(qstrlen(text));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(TranslationCheck, FailsOnEveryTextThatIsNotTranslatedAndFinished) {
    for (const CheckCase& c : kCheckCases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir scratch;
        ASSERT_TRUE(scratch.isValid());
        const QDir folder(scratch.path());
        ASSERT_TRUE(folder.mkdir(QStringLiteral("sources")));
        ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("sources/words.cpp")), c.source));
        const QString ts = folder.filePath(QStringLiteral("motorhall_de.ts"));
        ASSERT_TRUE(writeFile(ts, c.ts));

        QProcess check;
        check.start(QStringLiteral(MOTORHALL_TRANSLATION_CHECK),
                    {QStringLiteral(MOTORHALL_LUPDATE), ts, QStringLiteral("--"),
                     QStringLiteral("-locations"), QStringLiteral("none"),
                     folder.filePath(QStringLiteral("sources"))});
        ASSERT_TRUE(check.waitForFinished(-1));
        ASSERT_EQ(check.exitStatus(), QProcess::NormalExit);
        const QByteArray report = check.readAllStandardError();
        EXPECT_EQ(check.exitCode() == 0, c.complete) << report.constData();
        EXPECT_TRUE(report.contains(c.named)) << report.constData();
        // The check looks at copies; the translation file stays as it was.
        EXPECT_EQ(contents(ts), QByteArray(c.ts));
    }
}

TEST(TranslationCheck, RefusesToRunWithoutTranslationFilesOrSources) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{QStringLiteral(MOTORHALL_LUPDATE)},
          QStringList{QStringLiteral(MOTORHALL_LUPDATE), QStringLiteral("--"), QStringLiteral(".")},
          QStringList{QStringLiteral(MOTORHALL_LUPDATE), QStringLiteral("a.ts"),
                      QStringLiteral("--")},
          QStringList{QStringLiteral(MOTORHALL_LUPDATE), QStringLiteral("/nonexistent/a.ts"),
                      QStringLiteral("--"), QStringLiteral(".")}}) {
        QProcess check;
        check.start(QStringLiteral(MOTORHALL_TRANSLATION_CHECK), arguments);
        ASSERT_TRUE(check.waitForFinished(-1));
        EXPECT_NE(check.exitCode(), 0) << qPrintable(arguments.join(' '));
    }
}

} // namespace
