// Choosing a pane's folder: through the folder dialog interface, and in the real folder tree
// dialog driven with QTest.
#include "app/hourglass_cursor.h"
#include "app/mod_treeview.h"
#include "app/toolkit/folder_tree_dialog.h"
#include "tests/app/window/pane_fixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

// Answers the dialog without showing it, and records what it was asked.
class AnsweringDialog final : public toolkit::FolderDialog {
public:
    explicit AnsweringDialog(QString answer)
        : answer_(std::move(answer)) {
        toolkit::setFolderDialog(this);
    }
    ~AnsweringDialog() override { toolkit::setFolderDialog(nullptr); }
    QString browse(const toolkit::BrowseInfo& info) override {
        ++asked;
        title = info.title;
        startFolder = modTreeview::browseStartFolder;
        if (beforeAnswer)
            beforeAnswer();
        return answer_;
    }

    int asked = 0;
    QString title;
    QString startFolder;
    std::function<void()> beforeAnswer;

private:
    QString answer_;
};

// Runs `step` on the folder tree dialog once it is open and modal, then leaves it to the step to
// close it. Gives up (the test then fails) after five seconds.
void whenTheDialogOpens(std::function<void(toolkit::FolderTreeDialog&)> step) {
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, step = std::move(step)] {
        if (auto* dialog =
                qobject_cast<toolkit::FolderTreeDialog*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            step(*dialog);
        } else if (deadline->hasExpired()) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "the folder dialog did not open";
        }
    });
    timer->start(10);
}

class FolderChoiceTest : public PaneFixture {
protected:
    void press(toolkit::ImageControl* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
};

TEST_F(FolderChoiceTest, ChooseDirectoryAsksAtThePaneFolderAndSetsTheChosenOne) {
    const struct {
        const char* name;
        std::uint8_t pane;
        bool emptyFolder; // the pane's folder is empty when asked
        const char* answer;
        const char* title;
        bool chosen;
    } cases[] = {
        {"local pane, chosen", 0, false, "/srv/vehicles/local cars", "Change Local Directory",
         true},
        {"Garmin pane, chosen", 1, false, "/media/NAVI/Garmin/Vehicle", "Change GPS Directory",
         true},
        {"local pane, cancelled", 0, false, "", "Change Local Directory", false},
        {"Garmin pane without a folder opens at the program folder", 1, true, "",
         "Change GPS Directory", false},
        {"local pane without a folder opens at the program folder", 0, true, "/srv",
         "Change Local Directory", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startOn(cars(), device());
        QString& paneFolder = c.pane == 0 ? form->state.fileDir : form->state.garminDir;
        toolkit::Label* label = c.pane == 0 ? form->lblFileDir : form->lblGarminDir;
        if (c.emptyFolder)
            paneFolder.clear();
        const QString before = paneFolder;
        const QString labelBefore = label->Caption();
        AnsweringDialog dialog(c.answer);
        EXPECT_EQ(form->ChooseDirectory(c.pane), c.chosen);
        EXPECT_EQ(dialog.title, c.title);
        EXPECT_EQ(dialog.startFolder, c.emptyFolder ? folder() : (c.pane == 0 ? cars() : device()));
        EXPECT_EQ(paneFolder, c.chosen ? QString(c.answer) : before);
        // Each answer fits the label whole.
        EXPECT_EQ(label->Caption(), c.chosen ? QString(c.answer) : labelBefore);
        form.reset();
    }
}

TEST_F(FolderChoiceTest, AFolderGoneBeforeTheScanGivesAnEmptyPane) {
    writeVehicles(cars(), 2);
    const QString other = folder() + "/other";
    writeVehicles(other, 3, "Other");
    startOn(cars(), device());
    AnsweringDialog dialog(other);
    dialog.beforeAnswer = [&] { QDir(other).removeRecursively(); };
    press(form->imgChangeDir);
    EXPECT_EQ(form->state.fileDir, other);
    EXPECT_EQ(form->state.filesCount, 0);
    EXPECT_EQ(shownNames(0), std::vector<QString>{});
}

TEST_F(FolderChoiceTest, WhileBusyTheFolderButtonsOpenNoDialog) {
    startOn(cars(), device());
    AnsweringDialog dialog(folder());
    cHourglassCursor busy;
    press(form->imgChangeDir);
    press(form->imgChangeGarmin);
    EXPECT_EQ(dialog.asked, 0);
    EXPECT_EQ(form->state.fileDir, cars());
    EXPECT_EQ(form->state.garminDir, device());
}

TEST_F(FolderChoiceTest, TheDialogOpensAtThePaneFolderAndCancelChangesNothing) {
    writeVehicles(cars(), 2);
    writeVehicles(device(), 1, "Nav");
    // Enough folders before the device folder to push it out of view once they are read.
    for (int k = 0; k < 60; ++k)
        ASSERT_TRUE(QDir(folder()).mkdir(QString("a%1").arg(k, 2, 10, QChar('0'))));
    startOn(cars(), device());
    const QString labelBefore = form->lblGarminDir->Caption();
    struct Seen {
        QString title;
        QString heading;
        QString selected;
        QString statusAtOpen;
        bool treeHasFocus = false;
        QColor picture;
        bool expandedToIt = false;
        bool inView = false;
        QString selectedAfterUp;
        QString statusAfterUp;
    } seen;
    whenTheDialogOpens([&](toolkit::FolderTreeDialog& dialog) {
        seen.title = dialog.windowTitle();
        seen.heading = dialog.heading()->text();
        seen.selected = dialog.selectedFolder();
        seen.statusAtOpen = dialog.statusLine()->text();
        seen.treeHasFocus = dialog.focusWidget() == dialog.tree();
        seen.picture = shown(form->imgChangeGarmin);
        QTreeView* tree = dialog.tree();
        seen.expandedToIt = tree->isExpanded(tree->currentIndex().parent());
        // The folders around it are read in the background; it stays in view as they come.
        // Read and sorted: the cars folder is the row above.
        seen.inView = QTest::qWaitFor([tree] {
            const QModelIndex current = tree->currentIndex();
            return current.siblingAtRow(current.row() - 1).data().toString() == "cars" &&
                   tree->viewport()->rect().contains(tree->visualRect(current));
        });
        QTest::keyClick(dialog.tree(), Qt::Key_Up);
        seen.selectedAfterUp = dialog.selectedFolder();
        seen.statusAfterUp = dialog.statusLine()->text();
        QTest::keyClick(dialog.tree(), Qt::Key_Escape);
    });
    press(form->imgChangeGarmin);
    EXPECT_EQ(seen.title, "Change GPS Directory");
    EXPECT_EQ(seen.heading, "Change GPS Directory");
    EXPECT_EQ(seen.selected, device());
    EXPECT_EQ(seen.statusAtOpen, device());
    EXPECT_TRUE(seen.treeHasFocus);
    EXPECT_TRUE(seen.expandedToIt);
    EXPECT_TRUE(seen.inView);
    EXPECT_EQ(seen.picture, downColour("DirButton"));
    EXPECT_EQ(seen.selectedAfterUp, cars());
    EXPECT_EQ(seen.statusAfterUp, cars());
    // Cancelled: folder, label and pane as they were, the button up again.
    EXPECT_EQ(form->state.garminDir, device());
    EXPECT_EQ(form->lblGarminDir->Caption(), labelBefore);
    EXPECT_EQ(shownNames(1), std::vector<QString>{"Nav01.srf"});
    EXPECT_EQ(shown(form->imgChangeGarmin), upColour("DirButton"));
}

TEST_F(FolderChoiceTest, ClosingTheWindowWhileTheDialogRunsClosesTheDialog) {
    startOn(cars(), device());
    bool leftOpen = false;
    whenTheDialogOpens([&](toolkit::FolderTreeDialog& dialog) {
        dialog.setSelection(folder());
        form->Unload();
        // Should it stay, it is closed after a while so that the test ends.
        QPointer<toolkit::FolderTreeDialog> open = &dialog;
        QTimer::singleShot(500, [open, &leftOpen] {
            if (open && open->isVisible()) {
                leftOpen = true;
                open->reject();
            }
        });
    });
    press(form->imgChangeDir);
    QTest::qWait(600);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(form->state.fileDir, cars());
    EXPECT_EQ(readSettings(),
              QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(device()) + "\r\n");
}

TEST_F(FolderChoiceTest, WithoutAFolderTheDialogOpensAtTheProgramFolder) {
    startOn(cars(), device());
    form->state.fileDir.clear();
    QString selected;
    whenTheDialogOpens([&](toolkit::FolderTreeDialog& dialog) {
        selected = dialog.selectedFolder();
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    press(form->imgChangeDir);
    EXPECT_EQ(selected, folder());
    EXPECT_EQ(form->state.fileDir, QString());
    EXPECT_EQ(shown(form->imgChangeDir), upColour("DirButton"));
}

TEST_F(FolderChoiceTest, OkOnTheSameFolderRescansThePane) {
    writeVehicles(cars(), 1);
    startOn(cars(), device());
    ASSERT_EQ(shownNames(0), std::vector<QString>{"Car01.srf"});
    // A vehicle added since the last scan shows after the choice.
    writeVehicle(cars() + "/Van.srf");
    whenTheDialogOpens(
        [](toolkit::FolderTreeDialog& dialog) { QTest::keyClick(dialog.tree(), Qt::Key_Return); });
    press(form->imgChangeDir);
    EXPECT_EQ(form->state.fileDir, cars());
    std::vector<QString> names = shownNames(0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<QString>{"Car01.srf", "Van.srf"}));
    EXPECT_EQ(shown(form->imgChangeDir), upColour("DirButton"));
}

TEST_F(FolderChoiceTest, TheChosenFolderIsTheOneListedShownAndSaved) {
    // Longer than the 260 characters a path once had room for, with letters beyond ASCII and
    // blanks, one at the end of a name.
    const QString chosen =
        cars() + "/" + QString(120, QChar(0x00E9)) + "/Fahrzeuge \u00FC " + QString(140, 'v') + " ";
    ASSERT_TRUE(QDir().mkpath(chosen));
    writeVehicle(chosen + "/Kombi.srf");
    ASSERT_GT(chosen.size(), 260);
    startOn(cars(), device());
    QString status;
    whenTheDialogOpens([&](toolkit::FolderTreeDialog& dialog) {
        dialog.setSelection(chosen);
        status = dialog.statusLine()->text();
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    press(form->imgChangeDir);
    EXPECT_EQ(status, chosen);
    EXPECT_EQ(form->state.fileDir, chosen);
    EXPECT_EQ(form->lblFileDir->Caption(), chosen.left(26) + "... ");
    EXPECT_EQ(shownNames(0), std::vector<QString>{"Kombi.srf"});
    form->Unload();
    EXPECT_EQ(readSettings(),
              QFile::encodeName(chosen) + "\r\n" + QFile::encodeName(device()) + "\r\n");
}

// The settings keep each folder on a line of its own: a folder whose name holds a line break
// would come back as another folder at the next start.
TEST_F(FolderChoiceTest, AFolderWhoseNameHoldsALineBreakCannotBeChosen) {
    writeVehicles(cars(), 1);
    startOn(cars(), device());
    const QString refused =
        QStringLiteral("This folder cannot be chosen: its name holds a line break.");
    for (const char* name : {"two\nlines", "two\rlines", "ends in a line feed\n"}) {
        SCOPED_TRACE(QString(name).toStdString());
        const QString broken = folder() + "/" + name + "/inner";
        ASSERT_TRUE(QDir().mkpath(broken));
        bool opened = false;
        whenTheDialogOpens([&](toolkit::FolderTreeDialog& dialog) {
            opened = true;
            // Below such a folder as well: the path holds the break.
            for (const QString& path : {QString(broken).chopped(6), broken}) {
                dialog.setSelection(path);
                EXPECT_EQ(dialog.selectedFolder(), path);
                EXPECT_EQ(dialog.statusLine()->text(), refused);
                EXPECT_FALSE(dialog.okButton()->isEnabled());
                QTest::keyClick(dialog.tree(), Qt::Key_Return);
                EXPECT_TRUE(dialog.isVisible());
            }
            // Any other folder is shown and can be taken as before.
            dialog.setSelection(cars());
            EXPECT_EQ(dialog.statusLine()->text(), cars());
            EXPECT_TRUE(dialog.okButton()->isEnabled());
            dialog.setSelection(broken);
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            if (dialog.isVisible())
                QTest::keyClick(dialog.tree(), Qt::Key_Escape);
        });
        press(form->imgChangeDir);
        EXPECT_TRUE(opened);
        EXPECT_EQ(form->state.fileDir, cars());
        EXPECT_EQ(shownNames(0), std::vector<QString>{"Car01.srf"});

        // A dialog that answers such a folder all the same is taken as cancelled.
        AnsweringDialog answering(broken);
        EXPECT_FALSE(form->ChooseDirectory(1));
        EXPECT_EQ(form->state.garminDir, device());
    }
    form->Unload();
    EXPECT_EQ(readSettings(),
              QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(device()) + "\r\n");
}

TEST_F(FolderChoiceTest, TheDialogKeepsItsStatusLineForAnItemWithoutAPath) {
    QTemporaryDir start;
    modTreeview::browseStartFolder = start.path() + "/";
    toolkit::FolderTreeDialog dialog(nullptr, "Change Local Directory", modTreeview::BrowseCallback,
                                     0);
    dialog.show();
    // The start folder is selected, and the answer has no trailing separator.
    EXPECT_EQ(dialog.selectedFolder(), start.path());
    EXPECT_EQ(dialog.statusLine()->text(), start.path());
    EXPECT_EQ(modTreeview::BrowseCallback(dialog, toolkit::BFFM_SELCHANGED, QModelIndex(), 0), 0);
    EXPECT_EQ(dialog.statusLine()->text(), start.path());
    // The root is the one folder whose path ends in its separator.
    dialog.setSelection("/");
    EXPECT_EQ(dialog.selectedFolder(), "/");
    EXPECT_EQ(dialog.statusLine()->text(), "/");
    // A path that names no folder leaves the selection where it was.
    dialog.setSelection(start.path() + "/missing");
    EXPECT_EQ(dialog.selectedFolder(), "/");
}

// The places beside the tree: the user's home and the file system's root, each a click away.
TEST_F(FolderChoiceTest, ThePlacesBesideTheTreeSelectTheHomeAndTheRoot) {
    QTemporaryDir start;
    modTreeview::browseStartFolder = start.path();
    toolkit::FolderTreeDialog dialog(nullptr, "Change Local Directory", modTreeview::BrowseCallback,
                                     0);
    dialog.show();
    QListWidget* places = dialog.places();
    ASSERT_EQ(places->count(), 2);
    const struct {
        int row;
        const char* name;
        QString folder;
    } cases[] = {{0, "Home", QDir::homePath()}, {1, "File System", "/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QListWidgetItem* place = places->item(c.row);
        EXPECT_EQ(place->text(), c.name);
        QTest::mouseClick(places->viewport(), Qt::LeftButton, {},
                          places->visualItemRect(place).center());
        EXPECT_EQ(dialog.selectedFolder(), c.folder);
        EXPECT_EQ(dialog.statusLine()->text(), c.folder);
        EXPECT_EQ(dialog.focusWidget(), dialog.tree()) << "the arrows go on from there";
    }
}

} // namespace
