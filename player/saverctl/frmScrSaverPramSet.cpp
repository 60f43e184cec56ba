#include "frmScrSaverPramSet.h"

#include <QTime>

#include "platform/Twips.h"

frmScrSaverPramSet::frmScrSaverPramSet(ConfigFaceStarter starter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::Tool), m_starter(std::move(starter)) {
    resize(0, 0);
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
    setWindowTitle(QString::number(seconds, 'g', 7) + QStringLiteral("213ScrSavPramSet"));
    timDelayRun.setInterval(200);
    timDelayRun.setSingleShot(true);
    timScrSavPramWinCheck.setInterval(300);
    connect(&timDelayRun, &QTimer::timeout, this, &frmScrSaverPramSet::timDelayRun_Timer);
    connect(&timScrSavPramWinCheck, &QTimer::timeout, this, &frmScrSaverPramSet::timScrSavPramWinCheck_Timer);
}

void frmScrSaverPramSet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!timScrSavPramWinCheck.isActive() && m_strScrSavProcPath.isEmpty()) timDelayRun.start();
}

void frmScrSaverPramSet::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (width() != 0 || height() != 0) resize(0, 0);
}

void frmScrSaverPramSet::timDelayRun_Timer() {
    timDelayRun.stop();
    const auto left = static_cast<std::int32_t>(lngPixelsFromTwips(lngCenterX, twipsPerPixelX()));
    const auto top = static_cast<std::int32_t>(lngPixelsFromTwips(lngCenterY, twipsPerPixelY()));
    move(left, top);
    qint64 processId = 0;
    if (m_starter) m_strScrSavProcPath = m_starter(strScrSavPrcName, left, top, windowTitle(), processId);
    m_saver = processlookup::startedProcess(processId);
    // A saver that did not start, or has already gone, has nothing to wait for.
    if (!processlookup::boolStillRunning(m_saver)) {
        done(QDialog::Accepted);
        return;
    }
    timScrSavPramWinCheck.start();
}

void frmScrSaverPramSet::timScrSavPramWinCheck_Timer() {
    if (processlookup::boolStillRunning(m_saver)) return;
    timScrSavPramWinCheck.stop();
    done(QDialog::Accepted);
}
