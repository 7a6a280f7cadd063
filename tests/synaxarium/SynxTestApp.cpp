// One application object for the Synaxarium tests of a binary; it is the
// program's own, so exceptions leaving a handler are reported as at run time.
#include "ErrorHandler.h"

#include <gtest/gtest.h>

namespace {
class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "synaxarium_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new TApplication(argc, argv);
    }
};

[[maybe_unused]] ::testing::Environment* const env =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace
