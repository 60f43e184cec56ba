#include "Playerctl.h"

#include <QTest>

Playerctl::Playerctl(const QString& busAddress, const QString& player)
    : m_busAddress(busAddress), m_player(player) {}

QProcessEnvironment Playerctl::environmentOn(const QString& busAddress) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    return environment;
}

QString Playerctl::run(const QString& busAddress, const QStringList& arguments) {
    QProcess playerctl;
    playerctl.setProcessEnvironment(environmentOn(busAddress));
    playerctl.setStandardErrorFile(QProcess::nullDevice());
    playerctl.start(QStringLiteral("playerctl"), arguments);
    if (!QTest::qWaitFor([&playerctl] { return playerctl.state() == QProcess::NotRunning; }, 20000)) {
        playerctl.kill();
        playerctl.waitForFinished(5000);
        return {};
    }
    return QString::fromUtf8(playerctl.readAllStandardOutput()).trimmed();
}

QString Playerctl::operator()(const QStringList& arguments) const {
    return run(m_busAddress, QStringList{QStringLiteral("--player=") + m_player} + arguments);
}

std::unique_ptr<QProcess> Playerctl::follow(const QStringList& arguments) const {
    auto playerctl = std::make_unique<QProcess>();
    playerctl->setProcessEnvironment(environmentOn(m_busAddress));
    playerctl->setStandardErrorFile(QProcess::nullDevice());
    playerctl->start(
        QStringLiteral("playerctl"),
        QStringList{QStringLiteral("--player=") + m_player, QStringLiteral("--follow")} + arguments);
    playerctl->waitForStarted(10000);
    return playerctl;
}

bool Playerctl::waitFor(const QStringList& arguments, const QString& expected, int timeoutMs) const {
    return QTest::qWaitFor([&] { return (*this)(arguments) == expected; }, timeoutMs);
}

QStringList Playerctl::players(const QString& busAddress) {
    return run(busAddress, {QStringLiteral("--list-all")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
