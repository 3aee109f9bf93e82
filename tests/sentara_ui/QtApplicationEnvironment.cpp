#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The window tests need one application object for the whole run.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (!QApplication::instance()) {
            app_ = std::make_unique<QApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "sentara_ui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
