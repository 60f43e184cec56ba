#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

// One play-list item, shared by the play list, the controller, the control panel and the screen window.
class Movie {
  public:
    // A new item gets a fresh identity key from the local clock.
    Movie();
    // An item whose key is already known (loaded from the database): no clock is read.
    explicit Movie(const QString& flag) : strFlag(flag) {}

    // "F" + year + month + day (no leading zeros) + the milliseconds since local midnight in at least eight
    // digits: 7 March 2026 at 00:02:03.456 gives "F20263700123456".
    static QString strFlagFor(const QDateTime& localTime);

    QString strFlag;
    QString strFileName;
    QString strFilePath;
    bool boolIsPlayItem = false;
    bool boolIsActItem = false;
};

using MoviePtr = std::shared_ptr<Movie>;
