// Drawing text and reading pictures through Qt's plugins need an application object for the
// whole test run.
#include <gtest/gtest.h>
#include <memory>
#include <QGuiApplication>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[14] = "artwork_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
