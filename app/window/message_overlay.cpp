// The message overlay that long operations show over a pane's card column.
#include "app/toolkit/accessibility.h"
#include "app/toolkit/screen.h"
#include "app/toolkit/twips.h"
#include "app/window/frm_main.h"

void frmMain::ShowMessage(std::uint8_t pane, const QString& line1, const QString& line2) {
    lblMessage1->setCaption(line1);
    lblMessage2->setCaption(line2);
    // Single-precision twips; half twips are stored as the nearest whole twip (halves to even).
    const auto centre = [](float start, float length, float overlay) {
        return toolkit::twipsFromSingle(start + length / 2.0f - overlay / 2.0f);
    };
    const auto f = [](int twips) { return static_cast<float>(twips); };
    if (pane == 0) {
        fraMessage->setTop(
            centre(f(shpFiles->Top()), f(shpFiles->Height()), f(fraMessage->Height())));
        fraMessage->setLeft(
            centre(f(shpFiles->Left()), f(shpFiles->Width()), f(fraMessage->Width())));
    } else if (pane == 1) {
        fraMessage->setLeft(
            centre(f(shpGarmin->Left()), f(shpGarmin->Width()), f(fraMessage->Width())));
        fraMessage->setTop(
            centre(f(shpGarmin->Top()), f(shpGarmin->Height()), f(fraMessage->Height())));
    }
    fraMessage->setVisible(true);
    // A screen reader says what the overlay says, as it says it.
    fraMessage->setAccessibleName(line2.isEmpty() ? line1 : line1 + QStringLiteral(", ") + line2);
    toolkit::announceAlert(fraMessage);
    toolkit::DoEvents();
    if (closed())
        return;
    fraMessage->Refresh();
}
