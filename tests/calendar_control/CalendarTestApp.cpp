// One QApplication for the widget tests of this binary.
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "calendar_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            FApp = new QApplication(argc, argv);
    }

private:
    QApplication* FApp = nullptr;
};

[[maybe_unused]] ::testing::Environment* const env =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
} // namespace
