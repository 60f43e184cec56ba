#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

// playerctl, the desktop's media-controls client, on a session bus of the test's. The test's event loop
// runs while it waits, so that a player in the test's own process answers as well as one in a process of
// its own.
class Playerctl {
  public:
    // player: the suffix of the player's bus name after "org.mpris.MediaPlayer2." ("kestrune").
    Playerctl(const QString& busAddress, const QString& player);
    // What `playerctl --player=<player> arguments...` printed, trimmed; empty when it failed or hung.
    QString operator()(const QStringList& arguments) const;
    // Whether the answer to the arguments becomes `expected` within the time (a hang guard).
    bool waitFor(const QStringList& arguments, const QString& expected, int timeoutMs = 20000) const;
    // `playerctl --player=<player> --follow arguments...`, which prints the answer once and again at each
    // change the player announces; it runs until the process object goes.
    std::unique_ptr<QProcess> follow(const QStringList& arguments) const;
    // The players on the bus (`playerctl --list-all`), each by its suffix.
    static QStringList players(const QString& busAddress);

  private:
    static QProcessEnvironment environmentOn(const QString& busAddress);
    static QString run(const QString& busAddress, const QStringList& arguments);
    QString m_busAddress;
    QString m_player;
};
