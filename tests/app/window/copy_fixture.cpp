#include "tests/app/window/copy_fixture.h"

#include "app/toolkit/popup_menu.h"
#include "tests/app/file_bytes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <utility>

int AnsweringBox::askYesNo(QWidget*, const QString& prompt, const QString& title) {
    shown.push_back({title, prompt, true});
    if (whileAsking)
        std::exchange(whileAsking, nullptr)();
    return answer;
}

int AnsweringBox::askYesNoDefaultNo(QWidget*, const QString& prompt, const QString& title) {
    shown.push_back({title, prompt, true, true});
    if (whileAsking)
        std::exchange(whileAsking, nullptr)();
    return answer;
}

void AnsweringBox::tell(QWidget*, const QString& text, const QString& title) {
    shown.push_back({title, text, false});
}

void CopyFixture::SetUp() {
    PaneFixture::SetUp();
    toolkit::setMessageBox(&box);
}

void CopyFixture::TearDown() {
    toolkit::setMessageBox(nullptr);
    toolkit::PopupMenu::setPresenter({});
    PaneFixture::TearDown();
}

void CopyFixture::dragCard(std::uint8_t pane, int card, QWidget* target, QPoint at) {
    QWidget* source = cards(pane).item(card)->widget();
    ASSERT_TRUE(source->isVisible());
    // The pressed card keeps the mouse until the release, so the moves and the release go to it.
    const QPoint over = source->mapFromGlobal(target->mapToGlobal(at));
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    QTest::mouseMove(source, over);
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, over);
}

void CopyFixture::dragToOtherPane(std::uint8_t pane, int card) {
    toolkit::ImageControl* area = pane == 0 ? form->imgGarminCardsArea : form->imgFilesCardsArea;
    // Below the four cards' places, above nothing but the column.
    dragCard(pane, card, area, QPoint(30, area->height() - 10));
}

void CopyFixture::deleteFromMenu(std::uint8_t pane, int card) {
    toolkit::PopupMenu::setPresenter([](QMenu& menu, const QPoint&) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == QLatin1String("Delete Vehicle"))
                return action;
        }
        return nullptr;
    });
    QTest::mouseClick(cards(pane).item(card)->widget(), Qt::RightButton, Qt::NoModifier,
                      QPoint(200, 50));
    toolkit::PopupMenu::setPresenter({});
}

PaneState CopyFixture::paneState(std::uint8_t paneByte) const {
    const Pane pane = form->paneOf(paneByte);
    PaneState s;
    s.count = pane.count;
    for (int e = 0; e <= pane.count && e < kCatalogueCapacity; ++e) {
        s.entries.push_back(pane.catalogue[e]);
        if (pane.strip)
            s.cells.push_back(stripBlock(*pane.strip, e * 100));
    }
    s.cardsLoaded = pane.cardsLoaded;
    s.min = pane.scroll->Min();
    s.max = pane.scroll->Max();
    s.value = pane.scroll->Value();
    s.shown = shownNames(paneByte);
    return s;
}

FolderFiles CopyFixture::folderFiles(const QString& folder) {
    FolderFiles files;
    const QDir dir(folder);
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink())
            files[entry.fileName()] = "link to " + QFile::encodeName(entry.symLinkTarget());
        else if (entry.isFile())
            files[entry.fileName()] = bytesOf(entry.filePath());
        else
            files[entry.fileName()] = "<not a file>";
    }
    return files;
}

QByteArray CopyFixture::bytesOf(const QString& path) {
    return readBytes(path);
}

QStringList writeDistinct(const QString& folder, int count, const QString& stem) {
    QDir().mkpath(folder);
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        const QString name = stem + QStringLiteral("%1.srf").arg(i, 2, 10, QLatin1Char('0'));
        writeVehicle(folder + "/" + name,
                     {.frameSize = 30 + 4 * i, .colour = static_cast<std::uint16_t>(0x0841 * i)});
        names.append(name);
    }
    return names;
}

QImage movedBlock(const cAlphaSurface& strip, int stripX) {
    return stripBlock(strip, stripX + 1);
}

bool operator==(const VehicleRecord& a, const VehicleRecord& b) {
    return a.StripX == b.StripX && a.FileName == b.FileName && a.SRFType == b.SRFType &&
           a.Size3D == b.Size3D && a.Size2D == b.Size2D && a.FileDate == b.FileDate &&
           a.Loaded == b.Loaded;
}

void PrintTo(const VehicleRecord& r, std::ostream* os) {
    *os << "{" << r.StripX << ", " << r.FileName.toStdString() << ", " << r.SRFType.toStdString()
        << ", " << r.Size3D.toStdString() << ", " << r.Size2D.toStdString() << ", "
        << r.FileDate.toStdString() << (r.Loaded ? "" : ", not loaded") << "}";
}

::testing::AssertionResult samePane(const PaneState& expected, const PaneState& actual) {
    if (expected.count != actual.count)
        return ::testing::AssertionFailure()
               << "count " << actual.count << " instead of " << expected.count;
    if (expected.entries.size() != actual.entries.size())
        return ::testing::AssertionFailure() << "a different number of entries";
    for (std::size_t e = 0; e < expected.entries.size(); ++e) {
        if (!(expected.entries[e] == actual.entries[e])) {
            std::ostringstream text;
            PrintTo(actual.entries[e], &text);
            text << " instead of ";
            PrintTo(expected.entries[e], &text);
            return ::testing::AssertionFailure() << "entry " << e << ": " << text.str();
        }
    }
    if (expected.cells != actual.cells)
        return ::testing::AssertionFailure() << "a thumbnail cell changed";
    if (expected.cardsLoaded != actual.cardsLoaded)
        return ::testing::AssertionFailure()
               << "card counter " << actual.cardsLoaded << " instead of " << expected.cardsLoaded;
    if (expected.min != actual.min || expected.max != actual.max || expected.value != actual.value)
        return ::testing::AssertionFailure()
               << "scroll " << actual.min << ".." << actual.max << " at " << actual.value
               << " instead of " << expected.min << ".." << expected.max << " at "
               << expected.value;
    if (expected.shown != actual.shown)
        return ::testing::AssertionFailure() << "the cards show other vehicles";
    return ::testing::AssertionSuccess();
}
