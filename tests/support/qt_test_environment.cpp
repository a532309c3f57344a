// Gives a GUI test program its QApplication: linked into a test, it creates the application
// before the first test and deletes it after the last. Tests run on the platform the CTest helper
// sets (offscreen).
#include <gtest/gtest.h>
#include <QApplication>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override { application_ = new QApplication(argc_, argv_); }
    void TearDown() override {
        delete application_;
        application_ = nullptr;
    }

private:
    int argc_ = 1;
    char programName_[16] = "motorhall-test";
    char* argv_[2] = {programName_, nullptr};
    QApplication* application_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
