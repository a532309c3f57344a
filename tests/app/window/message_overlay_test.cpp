// The message overlay over a pane that shows cards: what a user sees at its centre while a pane
// is scanned is the overlay, not a card that lies above it.
#include "tests/app/window/pane_fixture.h"

#include <QDir>
#include <QTimer>

namespace {

struct OverlaySample {
    QString line1;
    bool onTop;
};

struct OverlayCase {
    const char* name;
    // Where the pane starts: its own vehicles, or an empty folder before the rescan of the cars.
    bool startsWithCards;
};

class MessageOverlayTest : public PaneFixture, public ::testing::WithParamInterface<OverlayCase> {
protected:
    // Whether the widget a click at the overlay's centre would reach belongs to the overlay.
    bool overlayOnTop() const {
        QWidget* window = form->window();
        const QPoint centre = form->fraMessage->geometry().center();
        QWidget* top = window->childAt(form->fraMessage->parentWidget()->mapTo(window, centre));
        return top == form->fraMessage || form->fraMessage->isAncestorOf(top);
    }
};

TEST_P(MessageOverlayTest, LiesAboveTheCardsWhileAPaneIsScanned) {
    writeVehicles(cars(), 6);
    const QString empty = folder() + "/empty";
    ASSERT_TRUE(QDir().mkpath(empty));
    startOn(GetParam().startsWithCards ? cars() : empty, folder() + "/none");
    form->state.fileDir = cars();
    if (GetParam().startsWithCards) {
        ASSERT_EQ(shownNames(0).size(), 4u);
    }

    // The scan yields once per vehicle; a zero timer looks at the window at every yield.
    std::vector<OverlaySample> samples;
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (form->fraMessage->isVisible())
            samples.push_back({form->lblMessage1->Caption(), overlayOnTop()});
    });
    look.start();
    form->RefreshPane(0);
    look.stop();

    ASSERT_FALSE(samples.empty()) << "the overlay was never shown";
    // The scan yields before it names each vehicle: the last yield still shows the fifth.
    EXPECT_EQ(samples.back().line1, "Loading 5 of 6");
    for (const OverlaySample& sample : samples)
        EXPECT_TRUE(sample.onTop) << "covered while showing " << sample.line1.toStdString();
    EXPECT_EQ(shownNames(0).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Panes, MessageOverlayTest,
                         ::testing::Values(OverlayCase{"RescanOfAFullPane", true},
                                           OverlayCase{"ScanFromAnEmptyPane", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
