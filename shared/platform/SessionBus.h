#pragma once

#include <QDBusConnection>

// The user's session bus, when the session has one (DBUS_SESSION_BUS_ADDRESS, or the bus socket in the
// runtime folder); a connection that is not connected otherwise. It never has libdbus start a bus on demand
// ("autolaunch"), which would leave a daemon behind for a session without one. Connecting waits for the bus:
// call it off the user-interface thread where a slow bus must not hold the windows.
QDBusConnection sessionBusWhenOffered();
