#include <gtest/gtest.h>

#include "ui/application.h"

int main(int argc, char** argv) {
    // Test discovery runs this binary without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QuenmarkApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
