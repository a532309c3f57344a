// A card as the program uses it: the freshly built library registered in the test's own
// registry, a card created by "Project1.Tessel" in a shown window, its events recorded.
#pragma once

#include "cardctl/tessel_interface.h"
#include "platform/com/host.h"

#include <gtest/gtest.h>
#include <memory>
#include <QImage>
#include <QWidget>
#include <vector>

struct RecordedEvent {
    com::DISPID event = 0;
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
    friend bool operator==(const RecordedEvent&, const RecordedEvent&) = default;
};
void PrintTo(const RecordedEvent& e, std::ostream* os);

inline const QString kTesselLibrary = QStringLiteral(TESSEL_LIBRARY_PATH);

// Registers the library; fails the test when that does not work.
void registerTessel();
bool isLibraryLoaded(const QString& path);

class CardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    com::IDispatch* card() const { return site_->dispatch(); }
    QWidget* cardWidget() const { return site_->widget(); }
    QWidget* part(const char* name) const;
    // The card as it shows on the screen, 310 x 114.
    QImage rendering() const;

    // Mouse input as a user gives it: through the window, to whatever part lies at the point
    // (given in pixels of `part`).
    void click(QWidget* part, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void press(QWidget* part, QPoint at, Qt::MouseButton button);
    void release(QWidget* part, QPoint at, Qt::MouseButton button);
    void moveTo(QWidget* part, QPoint at);

    com::VARIANT get(com::DISPID member);
    com::HRESULT put(com::DISPID member, const com::VARIANT& value);

    QWidget window_;
    std::unique_ptr<com::ControlSite> site_;
    std::vector<RecordedEvent> events_;
};

// A memory device context of the drawing layer with a 32-bit picture whose every pixel tells
// its own position, for block copies into the card.
class PatternContext {
public:
    PatternContext(int width, int height);
    ~PatternContext();
    std::int32_t dc() const { return dc_; }
    // The colour of the pattern at (x, y), as the card shows it.
    static QRgb colourAt(int x, int y);

private:
    std::int32_t dc_ = 0;
    std::int32_t bitmap_ = 0;
    std::int32_t previous_ = 0;
};
