// Mouse input on the card's six sources, raised to the host as the card's events.
#include "tests/cardctl/card_fixture.h"

#include <QTest>

using namespace com;
using namespace tessel;

namespace {

std::vector<RecordedEvent> withoutMoves(const std::vector<RecordedEvent>& events) {
    std::vector<RecordedEvent> result;
    for (const RecordedEvent& e : events) {
        if (e.event != DISPID_MouseMove)
            result.push_back(e);
    }
    return result;
}

struct Source {
    const char* part;
    QPoint at; // in the part's own pixels
};

struct ClickCase {
    const char* name;
    Source source;
    Qt::MouseButton button;
    std::int16_t buttonCode;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.source.part << ' ' << c.name;
}

class CardClickTest : public CardTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(CardClickTest, RaisesMouseDownMouseUpThenClickWithThePartsCoordinates) {
    const ClickCase& c = GetParam();
    QWidget* source = part(c.source.part);
    ASSERT_TRUE(source) << c.source.part;
    click(source, c.source.at, c.button, Qt::ShiftModifier | Qt::ControlModifier);
    const float x = static_cast<float>(c.source.at.x());
    const float y = static_cast<float>(c.source.at.y());
    const std::vector<RecordedEvent> expected{{DISPID_MouseDown, c.buttonCode, 3, x, y},
                                              {DISPID_MouseUp, c.buttonCode, 3, x, y},
                                              {DISPID_Click}};
    EXPECT_EQ(withoutMoves(events_), expected);
}

std::vector<ClickCase> clickCases() {
    const Source sources[] = {{"Tessel", QPoint(200, 106)}, {"ItemImage", QPoint(30, 40)},
                              {"lblData1", QPoint(10, 5)},  {"lblData2", QPoint(189, 19)},
                              {"lblData3", QPoint(0, 1)},   {"lblData4", QPoint(100, 10)}};
    const std::tuple<const char*, Qt::MouseButton, std::int16_t> buttons[] = {
        {"Left", Qt::LeftButton, 1},
        {"Right", Qt::RightButton, 2},
        {"Middle", Qt::MiddleButton, 4}};
    std::vector<ClickCase> cases;
    for (const Source& s : sources) {
        for (const auto& [name, button, code] : buttons)
            cases.push_back({name, s, button, code});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Card, CardClickTest, ::testing::ValuesIn(clickCases()),
                         [](const ::testing::TestParamInfo<ClickCase>& info) {
                             return std::string(info.param.source.part) + info.param.name;
                         });

class CardDoubleClickTest : public CardClickTest {};

// The second press of a double click raises neither MouseDown nor Click, only its MouseUp.
TEST_P(CardDoubleClickTest, RaisesOneMouseDownAndOneClickAndTwoMouseUps) {
    const ClickCase& c = GetParam();
    QWidget* source = part(c.source.part);
    ASSERT_TRUE(source) << c.source.part;
    QTest::mouseDClick(window_.windowHandle(), c.button, Qt::AltModifier,
                       source->mapTo(&window_, c.source.at));
    const float x = static_cast<float>(c.source.at.x());
    const float y = static_cast<float>(c.source.at.y());
    const std::vector<RecordedEvent> expected{{DISPID_MouseDown, c.buttonCode, 4, x, y},
                                              {DISPID_MouseUp, c.buttonCode, 4, x, y},
                                              {DISPID_Click},
                                              {DISPID_MouseUp, c.buttonCode, 4, x, y}};
    EXPECT_EQ(withoutMoves(events_), expected);
}

INSTANTIATE_TEST_SUITE_P(Card, CardDoubleClickTest, ::testing::ValuesIn(clickCases()),
                         [](const ::testing::TestParamInfo<ClickCase>& info) {
                             return std::string(info.param.source.part) + info.param.name;
                         });

TEST_F(CardTest, AfterADoubleClickTheNextClickIsAPlainClickAgain) {
    QWidget* line = part("lblData2");
    QTest::mouseDClick(window_.windowHandle(), Qt::RightButton, Qt::NoModifier,
                       line->mapTo(&window_, QPoint(5, 5)));
    events_.clear();
    click(line, QPoint(6, 6), Qt::RightButton);
    const std::vector<RecordedEvent> expected{
        {DISPID_MouseDown, 2, 0, 6, 6}, {DISPID_MouseUp, 2, 0, 6, 6}, {DISPID_Click}};
    EXPECT_EQ(withoutMoves(events_), expected);
}

TEST_F(CardTest, ADoubleClickWhoseFirstPressWentToAnotherPartIsAPlainPressThere) {
    // The toolkit makes a double click of two presses close in time and place, whichever
    // widgets they land on: here the first press belonged to the line above.
    QWidget* first = part("lblData1");
    QWidget* second = part("lblData2");
    QTest::mouseClick(first, Qt::RightButton, Qt::NoModifier, QPoint(10, 19));
    QTest::mouseDClick(second, Qt::RightButton, Qt::NoModifier, QPoint(10, 1));
    QTest::mouseRelease(second, Qt::RightButton, Qt::NoModifier, QPoint(10, 1));
    const std::vector<RecordedEvent> expected{
        {DISPID_MouseDown, 2, 0, 10, 19}, {DISPID_MouseUp, 2, 0, 10, 19}, {DISPID_Click},
        {DISPID_MouseDown, 2, 0, 10, 1},  {DISPID_MouseUp, 2, 0, 10, 1},  {DISPID_Click}};
    EXPECT_EQ(withoutMoves(events_), expected);
}

TEST_F(CardTest, MovingOverAPartRaisesMouseMoveInThatPartsPixels) {
    moveTo(part("lblData3"), QPoint(12, 7));
    ASSERT_FALSE(events_.empty());
    EXPECT_EQ(events_.back(), (RecordedEvent{DISPID_MouseMove, 0, 0, 12, 7}));
    moveTo(part("ItemImage"), QPoint(50, 60));
    EXPECT_EQ(events_.back(), (RecordedEvent{DISPID_MouseMove, 0, 0, 50, 60}));
}

TEST_F(CardTest, AReleaseAwayFromThePressedPartIsNoClick) {
    QWidget* line = part("lblData1");
    press(line, QPoint(5, 5), Qt::RightButton);
    release(line, QPoint(5, 40), Qt::RightButton);
    const std::vector<RecordedEvent> expected{{DISPID_MouseDown, 2, 0, 5, 5},
                                              {DISPID_MouseUp, 2, 0, 5, 40}};
    EXPECT_EQ(withoutMoves(events_), expected);
}

TEST_F(CardTest, TheRectangleOutlinesLetTheInputThroughToThePartBelow) {
    ASSERT_EQ(put(DISPID_Selected, variantBool(true)), S_OK);
    click(cardWidget(), QPoint(3, 50), Qt::RightButton, Qt::AltModifier);
    click(cardWidget(), QPoint(303, 40), Qt::RightButton);
    click(cardWidget(), QPoint(6, 50), Qt::RightButton);
    const std::vector<RecordedEvent> expected{{DISPID_MouseDown, 2, 4, 3, 50},
                                              {DISPID_MouseUp, 2, 4, 3, 50},
                                              {DISPID_Click},
                                              // lblData2 under the selection frame
                                              {DISPID_MouseDown, 2, 0, 188, 7},
                                              {DISPID_MouseUp, 2, 0, 188, 7},
                                              {DISPID_Click},
                                              // the surface under Shape1
                                              {DISPID_MouseDown, 2, 0, 6, 50},
                                              {DISPID_MouseUp, 2, 0, 6, 50},
                                              {DISPID_Click}};
    EXPECT_EQ(withoutMoves(events_), expected);
}

// A container in automatic drag mode takes left presses before the card sees them, with an
// event filter on the card's widget and its children.
class LeftPressTaker : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonRelease)
            return false;
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    }
};

TEST_F(CardTest, AContainersEventFilterOnTheCardsWidgetsSeesThePressesFirst) {
    LeftPressTaker taker;
    cardWidget()->installEventFilter(&taker);
    for (QWidget* child : cardWidget()->findChildren<QWidget*>())
        child->installEventFilter(&taker);
    for (const char* name : {"ItemImage", "lblData1", "lblData4"})
        click(part(name), QPoint(2, 2), Qt::LeftButton);
    click(cardWidget(), QPoint(200, 106), Qt::LeftButton);
    EXPECT_TRUE(withoutMoves(events_).empty());
    click(part("lblData4"), QPoint(2, 2), Qt::RightButton);
    EXPECT_EQ(withoutMoves(events_).size(), 3u);
}

TEST_F(CardTest, AHandlerMayEndTheCardWhileItsEventRuns) {
    QWidget* line = part("lblData2");
    const QPointer<QWidget> widget = cardWidget();
    ASSERT_EQ(site_->advise(DIID___Tessel,
                            [this](DISPID event, DISPPARAMS&) {
                                if (event == DISPID_MouseDown)
                                    site_.reset();
                            }),
              S_OK);
    // Straight to the part, so that no event processing runs between the steps.
    QTest::mousePress(line, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_FALSE(site_);
    ASSERT_TRUE(widget) << "the widget outlives the event it raised";
    EXPECT_TRUE(widget->isHidden());
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isLibraryLoaded(kTesselLibrary)) << "the widget's code is still needed";
    QTest::mouseRelease(line, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(withoutMoves(events_), (std::vector<RecordedEvent>{{DISPID_MouseDown, 2, 0, 3, 3}}))
        << "nothing is raised once the card is gone";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(widget);
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isLibraryLoaded(kTesselLibrary));
}

} // namespace
