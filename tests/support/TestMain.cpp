#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player is one per user: every test process gets a runtime folder of its own, so that players
    // started by tests running side by side never take each other for a running player.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the player's main, for the engine tests' libmpv
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
