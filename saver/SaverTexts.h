#pragma once

#include <QString>

// The saver's default text, shown when no custom text is stored (or an empty one), and by the parameter
// dialog for a fresh store.
inline const QString strDefaultTitle = QStringLiteral("Kestrune 屏保");

// The file name of the saver program, its lock and its windows' title.
inline const QString kSaverProgramName = QStringLiteral("sarnwick");
