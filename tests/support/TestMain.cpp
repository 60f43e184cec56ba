#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "RuntimeFolder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    RuntimeFolder runtime;
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the player's main, for the engine tests' libmpv
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
