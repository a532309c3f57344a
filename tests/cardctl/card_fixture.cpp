#include "tests/cardctl/card_fixture.h"

#include "platform/com/registry.h"
#include "platform/com/self_registration.h"
#include "platform/gdi/gdi.h"

#include <dlfcn.h>
#include <QFile>
#include <QTest>

using namespace com;

void PrintTo(const RecordedEvent& e, std::ostream* os) {
    *os << "{event " << e.event << ", button " << e.button << ", shift " << e.shift << ", x " << e.x
        << ", y " << e.y << "}";
}

void registerTessel() {
    QString report;
    ASSERT_EQ(callSelfRegistration(kTesselLibrary, SelfRegistration::Register, &report), S_OK)
        << report.toStdString();
}

bool isLibraryLoaded(const QString& path) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return false;
    dlclose(handle);
    return true;
}

void CardTest::SetUp() {
    QFile::remove(Registry::filePath());
    registerTessel();
    window_.resize(400, 200);
    HRESULT hr = E_FAIL;
    QString message;
    site_ = ControlSite::create(QString::fromLatin1(tessel::kProgId), &window_, &hr, &message);
    ASSERT_TRUE(site_) << message.toStdString();
    ASSERT_EQ(site_->advise(tessel::DIID___Tessel,
                            [this](DISPID event, DISPPARAMS& arguments) {
                                RecordedEvent e{event};
                                if (arguments.cArgs == 4) {
                                    // In the component model's order: the last argument first.
                                    e.button = *arguments.rgvarg[3].piVal;
                                    e.shift = *arguments.rgvarg[2].piVal;
                                    e.x = *arguments.rgvarg[1].pfltVal;
                                    e.y = *arguments.rgvarg[0].pfltVal;
                                }
                                events_.push_back(e);
                            }),
              S_OK);
    ASSERT_EQ(site_->move(20, 30, 310, 114), S_OK);
    ASSERT_EQ(site_->setVisible(true), S_OK);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
}

void CardTest::TearDown() {
    site_.reset();
    CoFreeUnusedLibraries();
}

QWidget* CardTest::part(const char* name) const {
    if (QString::fromLatin1(name) == cardWidget()->objectName())
        return cardWidget();
    return cardWidget()->findChild<QWidget*>(QString::fromLatin1(name));
}

QImage CardTest::rendering() const {
    return cardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void CardTest::click(QWidget* part, QPoint at, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(window_.windowHandle(), button, modifiers, part->mapTo(&window_, at));
}

void CardTest::press(QWidget* part, QPoint at, Qt::MouseButton button) {
    QTest::mousePress(window_.windowHandle(), button, Qt::NoModifier, part->mapTo(&window_, at));
}

void CardTest::release(QWidget* part, QPoint at, Qt::MouseButton button) {
    QTest::mouseRelease(window_.windowHandle(), button, Qt::NoModifier, part->mapTo(&window_, at));
}

void CardTest::moveTo(QWidget* part, QPoint at) {
    QTest::mouseMove(window_.windowHandle(), part->mapTo(&window_, at));
}

VARIANT CardTest::get(DISPID member) {
    VARIANT value;
    EXPECT_EQ(DispatchGet(card(), member, &value), S_OK) << "DISPID " << member;
    return value;
}

HRESULT CardTest::put(DISPID member, const VARIANT& value) {
    return DispatchPut(card(), member, value);
}

PatternContext::PatternContext(int width, int height) {
    dc_ = gdi::CreateCompatibleDC(0);
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, like the surfaces of the program
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = gdi::CreateDIBSection(dc_, &info, gdi::DIB_RGB_COLORS, &bits);
    previous_ = gdi::SelectObject(dc_, bitmap_);
    gdi::DibView view;
    if (!gdi::GetDibView(dc_, &view))
        return;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(view.line(y));
        for (int x = 0; x < width; ++x)
            line[x] = colourAt(x, y) & 0x00FFFFFF; // alpha 0, as a surface may hold it
    }
}

PatternContext::~PatternContext() {
    gdi::SelectObject(dc_, previous_);
    gdi::DeleteObject(bitmap_);
    gdi::DeleteDC(dc_);
}

QRgb PatternContext::colourAt(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF);
}
