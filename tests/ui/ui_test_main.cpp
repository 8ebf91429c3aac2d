#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/application.h"

int main(int argc, char** argv) {
    // Test discovery runs this binary without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings of each run go to a scratch home of its own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    QuenmarkApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
