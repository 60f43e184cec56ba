#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#if defined(KESTRUNE_SANITIZED)
#include <sanitizer/lsan_interface.h>
#endif

#include "RuntimeFolder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // `make test` gives the tests a session bus of their own. Run without one, Qt's tray icon would have
    // libdbus start one ("autolaunch"): it forks the multithreaded test or player, and under
    // AddressSanitizer that child can hang in malloc before it execs, taking the player's GUI thread with
    // it. An address that is refused at once keeps such a run bus-less and quick.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kestrune-tests-have-no-session-bus");
    RuntimeFolder runtime;
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the player's main, for the engine tests' libmpv
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#if defined(KESTRUNE_SANITIZED)
    // Look for leaks now, while the application and the libraries' own threads (D-Bus, X event reader) are
    // still up: what the tests lost is unreachable already, and the libraries' tear-down at exit, whose
    // threads end in their own time, cannot be mistaken for a leak. The exit check is skipped after this.
    __lsan_do_leak_check();
#endif
    return result;
}
