#pragma once

#include <QDateTime>
#include <QString>

// Every text of the player is Chinese: Qt's own texts (the buttons and messages of its dialogs) are loaded
// in Chinese too, and dates and numbers take the Chinese forms. Once per process, after the application
// object exists.
void useChineseLocale();

// A moment as the player shows it: the Chinese date, then the time of day.
QString strChineseDateTime(const QDateTime& moment);
