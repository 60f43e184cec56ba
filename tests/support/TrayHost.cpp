#include "TrayHost.h"

#include <QSystemTrayIcon>
#include <QTest>

bool TrayHost::start() {
    m_process.start(QStringLiteral("trayer"),
                    {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                     QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request")});
    return m_process.waitForStarted(5000) &&
           QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000);
}

void TrayHost::stop() {
    m_process.kill();
    m_process.waitForFinished(5000);
}
