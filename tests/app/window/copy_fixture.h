// The window started on vehicle folders of the test's own, with its message boxes answered by the
// test, cards dragged with the mouse, and ways to hold a pane's state and a folder's files for
// comparing before and after.
#pragma once

#include "app/toolkit/message_box.h"
#include "tests/app/window/pane_fixture.h"

#include <functional>
#include <map>
#include <QByteArray>
#include <vector>

// Answers every question with `answer` and records each box it was shown.
class AnsweringBox : public toolkit::MessageBox {
public:
    struct Shown {
        QString title;
        QString text;
        bool question = false;
        bool defaultNo = false; // a question whose default button is No
    };
    int askYesNo(QWidget*, const QString& prompt, const QString& title) override;
    int askYesNoDefaultNo(QWidget*, const QString& prompt, const QString& title) override;
    void tell(QWidget*, const QString& text, const QString& title) override;

    int answer = toolkit::vbYes;
    // Runs while a question is open, as events run while a modal box waits for its answer.
    std::function<void()> whileAsking;
    std::vector<Shown> shown;
};

// What a pane holds: its count, every entry up to the next one beyond it, its cells, its card
// counter, its scroll range and what its cards show.
struct PaneState {
    std::int32_t count = 0;
    std::vector<VehicleRecord> entries;
    std::vector<QImage> cells;
    std::int32_t cardsLoaded = 0;
    int min = 0;
    int max = 0;
    int value = 0;
    std::vector<QString> shown;
};

// Every file of a folder (names and bytes), links as their targets' names.
using FolderFiles = std::map<QString, QByteArray>;

class CopyFixture : public PaneFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Drags card `card` of a pane with the left button and lets it go over `target` at `at`.
    void dragCard(std::uint8_t pane, int card, QWidget* target, QPoint at);
    // Drags onto the empty lower part of the other pane's card column.
    void dragToOtherPane(std::uint8_t pane, int card);
    // Selects a vehicle with a right click on its card and chooses "Delete Vehicle".
    void deleteFromMenu(std::uint8_t pane, int card);

    PaneState paneState(std::uint8_t pane) const;
    static FolderFiles folderFiles(const QString& folder);
    static QByteArray bytesOf(const QString& path);

    AnsweringBox box;
};

// Writes count vehicles named <stem>01.srf, <stem>02.srf ... that each look different (size and
// colour), so a thumbnail tells which one it is, and gives their names.
QStringList writeDistinct(const QString& folder, int count, const QString& stem);
// The block a copy or a deletion moves for the cell at stripX: 100 x 100 pixels one right of the
// cell's left edge.
QImage movedBlock(const cAlphaSurface& strip, int stripX);

bool operator==(const VehicleRecord& a, const VehicleRecord& b);
void PrintTo(const VehicleRecord& record, std::ostream* os);
::testing::AssertionResult samePane(const PaneState& expected, const PaneState& actual);
