#include "tests/app/window/pane_fixture.h"

#include <QFile>

void PaneFixture::startOn(const QString& files, const QString& garmin) {
    writeSettings(QFile::encodeName(files) + "\r\n" + QFile::encodeName(garmin) + "\r\n");
    createForm();
    showActive();
}

toolkit::CardArray& PaneFixture::cards(std::uint8_t pane) const {
    return pane == 0 ? *form->TesselFiles : *form->TesselGarmin;
}

std::vector<QString> PaneFixture::shownNames(std::uint8_t pane) const {
    std::vector<QString> names;
    for (int k = 1; k <= 4; ++k) {
        const toolkit::CardElement* card = cards(pane).item(k);
        if (card && card->Visible())
            names.push_back(cardLine(card, 1));
    }
    return names;
}
