// The real window started on vehicle folders of the test's own.
#pragma once

#include "tests/app/window/form_fixture.h"
#include "tests/app/window/vehicle_fixtures.h"

#include <vector>

class PaneFixture : public FormFixture {
protected:
    QString cars() const { return folder() + "/cars"; }
    QString device() const { return folder() + "/device"; }
    QString temp() const { return folder() + "/temp"; }
    // Starts the window with these two folders in its settings: the first activation lists, scans
    // and lays out both panes.
    void startOn(const QString& files, const QString& garmin);
    // DataLine1 of the visible cards 1 to 4 of a pane, in card order.
    std::vector<QString> shownNames(std::uint8_t pane) const;
    toolkit::CardArray& cards(std::uint8_t pane) const;
};
