// Starts the built program as a user would, from a program folder of its own, and ends it the
// way a session does, with a termination signal.
#include "tests/e2e/program_copy.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programFolder.isValid());
        ASSERT_TRUE(configuration.isValid());
        QString failed;
        ASSERT_TRUE(copyProgramFolder(folder(), &failed)) << failed.toStdString();
    }

    QString folder() const { return programFolder.path(); }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", configuration.path());
        return env;
    }

    void registerCards() {
        QProcess regsvr;
        regsvr.setProcessEnvironment(environment());
        regsvr.start(folder() + "/regsvr", {folder() + "/libtessel.so"});
        ASSERT_TRUE(regsvr.waitForFinished(60000));
        ASSERT_EQ(regsvr.exitCode(), 0) << regsvr.readAll().toStdString();
    }

    // The program is up once it has its handler for termination requests in place.
    static bool handlesTermination(qint64 pid) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:")) {
                bool ok = false;
                const qulonglong caught = line.mid(7).trimmed().toULongLong(&ok, 16);
                return ok && (caught & (1ull << (SIGTERM - 1)));
            }
        }
        return false;
    }

    QTemporaryDir programFolder;
    QTemporaryDir configuration;
};

TEST_F(ProgramTest, ATerminationRequestClosesTheWindowAndSavesTheSettings) {
    registerCards();
    QProcess program;
    program.setProcessEnvironment(environment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(folder() + "/motorhall");
    ASSERT_TRUE(program.waitForStarted(60000));
    // Bounded wait for start-up; a slow (sanitized) build only takes longer.
    for (int i = 0; i < 1200 && !handlesTermination(program.processId()); ++i) {
        ASSERT_EQ(program.state(), QProcess::Running);
        QThread::msleep(50);
    }
    ASSERT_TRUE(handlesTermination(program.processId()));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    QFile settings(folder() + "/init.ini");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray line = QFile::encodeName(folder()) + "\r\n";
    EXPECT_EQ(settings.readAll(), line + line);
}

TEST_F(ProgramTest, StartedOnAPathTheFilesPaneShowsItsFolderAndABadPathIsOneLine) {
    registerCards();
    ASSERT_TRUE(QDir().mkpath(folder() + "/cars"));
    QFile vehicle(folder() + "/cars/Car.srf");
    ASSERT_TRUE(vehicle.open(QIODevice::WriteOnly));
    ASSERT_EQ(vehicle.write("GARMIN BITMAP 01"), 16);
    vehicle.close();
    const struct {
        const char* name;
        QString path;
        QString filesFolder; // the Files pane's folder in the settings afterwards
        QString error;       // what the program writes on standard error
    } cases[] = {
        {"a vehicle file", folder() + "/cars/Car.srf", folder() + "/cars", ""},
        {"a folder", folder() + "/cars", folder() + "/cars", ""},
        {"a missing file", folder() + "/cars/Gone.srf", folder(),
         "motorhall: " + folder() + "/cars/Gone.srf: there is no such file or folder\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder() + "/init.ini");
        QDir(folder() + "/temp").removeRecursively();
        QProcess program;
        program.setProcessEnvironment(environment());
        program.start(folder() + "/motorhall", {c.path});
        ASSERT_TRUE(program.waitForStarted(60000));
        // The window has taken its folders once the Files pane's listing has made the working
        // folder.
        const auto started = [&] {
            return handlesTermination(program.processId()) && QDir(folder() + "/temp").exists();
        };
        for (int i = 0; i < 1200 && !started(); ++i) {
            ASSERT_EQ(program.state(), QProcess::Running);
            QThread::msleep(50);
        }
        ASSERT_TRUE(started());
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), 0);
        // Qt's own warnings aside (a session without a runtime folder), the program's lines.
        QString said;
        for (const QString& line :
             QString::fromLocal8Bit(program.readAllStandardError()).split('\n')) {
            if (line.startsWith("motorhall"))
                said += line + '\n';
        }
        EXPECT_EQ(said, c.error);
        QFile settings(folder() + "/init.ini");
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
        EXPECT_EQ(settings.readAll(),
                  QFile::encodeName(c.filesFolder) + "\r\n" + QFile::encodeName(folder()) + "\r\n");
    }
}

TEST_F(ProgramTest, WithoutTheCardClassTheProgramSaysHowToRegisterItAndFails) {
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(folder() + "/motorhall");
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(error.contains("Project1.Tessel")) << error.toStdString();
    EXPECT_TRUE(error.contains(folder() + "/regsvr " + folder() + "/libtessel.so"))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(folder() + "/init.ini"));
}

struct LocaleCase {
    const char* name;
    const char* lang; // LANG, with every other locale variable unset
    const char* usage;
    const char* description; // the start of the program's description
    const char* helpOption;  // Qt's words for --help
    const char* noCards;     // the start of the message when the card class is missing
    const char* reason;      // the component model's reason in it
};

class ProgramLocaleTest : public ProgramTest, public ::testing::WithParamInterface<LocaleCase> {
protected:
    QProcessEnvironment localeEnvironment() const {
        QProcessEnvironment env = environment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(name);
        env.insert("LANG", GetParam().lang);
        return env;
    }
};

// Help needs no screen and the card class is not registered: both answer in the user's language.
TEST_P(ProgramLocaleTest, HelpAndStartUpFailureSpeakTheLanguage) {
    const LocaleCase& c = GetParam();
    QProcess help;
    QProcessEnvironment env = localeEnvironment();
    env.remove("QT_QPA_PLATFORM");
    help.setProcessEnvironment(env);
    help.start(folder() + "/motorhall", {"--help"});
    ASSERT_TRUE(help.waitForFinished(60000));
    EXPECT_EQ(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.usage))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.description))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.helpOption))) << text.toStdString();

    QProcess program;
    program.setProcessEnvironment(localeEnvironment());
    program.start(folder() + "/motorhall");
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_NE(program.exitCode(), 0);
    const QString error = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.noCards))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ProgramLocaleTest,
    ::testing::Values(
        LocaleCase{"C", "C", "Usage: ", "Shows the 3D vehicle icons",
                   "Displays help on commandline options.",
                   "motorhall: The card control \"Project1.Tessel\" cannot be created",
                   "the class \"Project1.Tessel\" is not registered in "},
        LocaleCase{"enUS", "en_US.UTF-8", "Usage: ", "Shows the 3D vehicle icons",
                   "Displays help on commandline options.",
                   "motorhall: The card control \"Project1.Tessel\" cannot be created",
                   "; register its library with regsvr [CO_E_CLASSSTRING (0x800401F3): Invalid "
                   "class string]"},
        LocaleCase{"deDE", "de_DE.UTF-8", "Aufruf: ", "Zeigt die 3D-Fahrzeugsymbole",
                   "Zeigt Hilfe zu den Kommandozeilenoptionen an.",
                   "motorhall: Das Kartensteuerelement „Project1.Tessel“ kann nicht erzeugt",
                   " nicht registriert; registrieren Sie ihre Bibliothek mit regsvr "
                   "[CO_E_CLASSSTRING (0x800401F3): Ungültige Klassenzeichenfolge]"},
        LocaleCase{"frFR", "fr_FR.UTF-8", "Utilisation : ", "Affiche côte à côte les icônes",
                   "Affiche l’aide sur les options de la ligne de commande.",
                   "motorhall: Le contrôle des fiches «\u00a0Project1.Tessel\u00a0» ne peut pas",
                   "la classe «\u00a0Project1.Tessel\u00a0» n’est pas enregistrée dans "},
        LocaleCase{"esES", "es_ES.UTF-8", "Uso: ", "Muestra uno junto a otro los iconos",
                   "Muestra la ayuda sobre las opciones de la línea de órdenes.",
                   "motorhall: No se puede crear el control de fichas «Project1.Tessel»",
                   "[CO_E_CLASSSTRING (0x800401F3): Cadena de clase no válida]"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
