// One application object for the widget tests of a binary. It is the
// program's own, so exceptions leaving a handler are reported as at run time
// and its error handling is under test too.
#include "ErrorHandler.h"

#include <gtest/gtest.h>

namespace {
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Run by hand, a test stays off the desktop as under the test command.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "evelm_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new TApplication(argc, argv);
    }
};

[[maybe_unused]] ::testing::Environment* const env =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);
} // namespace
