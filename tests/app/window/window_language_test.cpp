// The window in the user's language: for each locale, a sample of the texts of every part of the
// window (the pane labels, the context menu, the message overlay, a question box with Qt's own
// buttons, the folder dialog, the vehicle files' reasons) and a picture with words taken from the
// language's folder below Images. C and English locales show the English source texts.
#include "app/program_language.h"
#include "app/toolkit/folder_dialog.h"
#include "app/vehicle_files.h"
#include "tests/app/window/copy_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

namespace {

struct LanguageCase {
    const char* locale;
    const char* language; // the translation's code, "" for English
    const char* noDirectory;
    const char* localFiles;
    const char* garminFiles;
    const char* previewItem;
    const char* deleteItem;
    const char* copyItem;  // the Files pane's card copied to the navigator
    const char* lastProbe; // the overlay's first line after the search passed drive Z
    const char* deleteTitle;
    const char* deleteQuestion; // %1 the vehicle's file name
    const char* qtYes;          // Qt's own word on a question's Yes button
    const char* folderTitle;
    const char* readOnly;
};

const LanguageCase kLanguages[] = {
    {"C", "", "No Directory Selected", "Local Files", "Garmin Files", "Preview Vehicle",
     "Delete Vehicle", "Copy to Garmin", " Checking Z: for 760...", "Delete Confirm",
     "Are you sure you want to delete %1?", "&Yes", "Change Local Directory", "Read-only file"},
    {"en_US", "", "No Directory Selected", "Local Files", "Garmin Files", "Preview Vehicle",
     "Delete Vehicle", "Copy to Garmin", " Checking Z: for 760...", "Delete Confirm",
     "Are you sure you want to delete %1?", "&Yes", "Change Local Directory", "Read-only file"},
    {"de_DE", "de", "Kein Ordner ausgewählt", "Lokale Dateien", "Garmin-Dateien",
     "Fahrzeugvorschau", "Fahrzeug löschen", "Auf das Garmin kopieren", " Suche 760 auf Z: ...",
     "Löschen bestätigen", "Möchten Sie %1 wirklich löschen?", "&Ja", "Lokalen Ordner wechseln",
     "Schreibgeschützte Datei"},
    {"fr_FR", "fr", "Aucun dossier sélectionné", "Fichiers locaux", "Fichiers Garmin",
     "Aperçu du véhicule", "Supprimer le véhicule", "Copier sur le Garmin",
     " Recherche du 760 sur Z:...", "Confirmer la suppression",
     "Voulez-vous vraiment supprimer %1\u00a0?", "&Oui", "Changer de dossier local",
     "Fichier en lecture seule"},
    {"es_ES", "es", "Ninguna carpeta seleccionada", "Archivos locales", "Archivos Garmin",
     "Vista previa del vehículo", "Eliminar vehículo", "Copiar al Garmin",
     " Buscando el 760 en Z:...", "Confirmar eliminación", "¿Seguro que desea eliminar %1?", "&Sí",
     "Cambiar carpeta local", "Archivo de solo lectura"},
};

// Records the title it was opened with and cancels.
class TitleRecordingDialog final : public toolkit::FolderDialog {
public:
    QString browse(const toolkit::BrowseInfo& info) override {
        title = info.title;
        return QString();
    }
    QString title;
};

class WindowLanguageTest : public CopyFixture, public ::testing::WithParamInterface<LanguageCase> {
protected:
    void TearDown() override {
        toolkit::setFolderDialog(nullptr);
        CopyFixture::TearDown();
    }
};

QString u(const char* text) {
    return QString::fromUtf8(text);
}

TEST_P(WindowLanguageTest, EveryPartSpeaksTheLanguage) {
    const LanguageCase& c = GetParam();
    const ProgramLanguage language{QLocale(u(c.locale))};
    EXPECT_EQ(language.language(), u(c.language));
    EXPECT_EQ(ProgramLanguage::installed(), u(c.language));
    // The Refresh button's picture of the language, where there is one, is told by its colour.
    const QColor ownRefresh(10, 200, 30);
    ASSERT_TRUE(QDir(folder() + "/Images").mkpath("de") &&
                QDir(folder() + "/Images").mkpath("fr") && QDir(folder() + "/Images").mkpath("es"));
    for (const char* code : {"de", "fr", "es"})
        writePicture(u(code) + "/RefreshButtonUp.bmp", {75, 25}, ownRefresh);

    const QStringList names = writeDistinct(cars(), 1, "Car");
    writeSettings(QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(folder() + "/none") +
                  "\r\n");
    createForm();
    // Until the first activation names the folders.
    EXPECT_EQ(form->lblGarminDir->Caption(), u(c.noDirectory));
    showActive();
    EXPECT_EQ(form->lblLocalFiles->Caption(), u(c.localFiles));
    EXPECT_EQ(form->Label1->Caption(), u(c.garminFiles));
    EXPECT_EQ(shown(form->imgRefreshFiles),
              *c.language ? ownRefresh : upColour(QStringLiteral("RefreshButton")));

    QStringList menuTexts;
    toolkit::PopupMenu::setPresenter([&](QMenu& menu, const QPoint&) -> QAction* {
        QAction* chosen = nullptr;
        for (QAction* action : menu.actions()) {
            menuTexts.append(action->text());
            if (action->text() == u(c.deleteItem))
                chosen = action;
        }
        return chosen;
    });
    box.answer = toolkit::vbNo;
    QTest::mouseClick(cards(0).item(1)->widget(), Qt::RightButton, Qt::NoModifier, QPoint(200, 50));
    toolkit::PopupMenu::setPresenter({});
    EXPECT_EQ(menuTexts,
              QStringList({u(c.previewItem), QString(), u(c.deleteItem), u(c.copyItem)}));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, u(c.deleteTitle));
    EXPECT_EQ(box.shown[0].text, u(c.deleteQuestion).arg(names[0]));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), u(c.qtYes));

    form->FindGarmin();
    EXPECT_EQ(form->lblMessage1->Caption(), u(c.lastProbe));

    TitleRecordingDialog dialog;
    toolkit::setFolderDialog(&dialog);
    QTest::mouseClick(form->imgChangeDir, Qt::LeftButton);
    EXPECT_EQ(dialog.title, u(c.folderTitle));

    // A reason the vehicle files give a box, in the language installed when it is given.
    const QString readOnly = cars() + "/" + names[0];
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    QString reason;
    EXPECT_EQ(removeVehicleFile(readOnly, &reason), Removal::Failed);
    EXPECT_EQ(reason, u(c.readOnly));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, WindowLanguageTest, ::testing::ValuesIn(kLanguages), [](const auto& info) {
        return QString::fromLatin1(info.param.locale).remove(QLatin1Char('_')).toStdString();
    });

} // namespace
