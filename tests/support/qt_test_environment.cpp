// Gives a GUI test program its QApplication and a configuration folder of its own (so the
// component registry it writes is its own) and the C locale: linked into a test, it sets both up
// before the first test and removes them after the last. Tests run on the platform the CTest helper
// sets (offscreen).
#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        configuration_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(configuration_->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration_->path() + "/user"));
        // A registration for every user on the machine is never seen.
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(configuration_->path() + "/system"));
        // The user's trash, where the window puts a deleted local vehicle, is the test's own.
        qputenv("XDG_DATA_HOME", QFile::encodeName(configuration_->path() + "/data"));
        application_ = std::make_unique<QApplication>(argc_, argv_);
        // Texts the window formats by the locale (the card's date line) read the same on every
        // machine.
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override {
        application_.reset();
        configuration_.reset();
    }

private:
    int argc_ = 1;
    char programName_[16] = "motorhall-test";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QTemporaryDir> configuration_;
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
