#include "ScreenSaverCtrl.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Services.h"
#include "saverline/SaverLine.h"

ScreenSaverCtrl::ScreenSaverCtrl(QObject* parent) : QObject(parent) {
    m_objMKC.setLngWorkState(MouseKeyboardCheck::kStopped);
    m_objMKC.setLngCheckMilliSecondsValue(1000);
    m_objMKC.setLngFreeMinute(m_lngDelayMinute);
    connect(&m_objMKC, &MouseKeyboardCheck::ComputerIsIdle, this, &ScreenSaverCtrl::m_objMKC_ComputerIsIdle);
    connect(&m_objMKC, &MouseKeyboardCheck::UserIsActive, this, &ScreenSaverCtrl::m_objMKC_UserIsActive);
}

ScreenSaverCtrl::~ScreenSaverCtrl() {
    m_objMKC.setLngWorkState(MouseKeyboardCheck::kStopped);
}

void ScreenSaverCtrl::setLngDelayMinute(std::int32_t value) {
    m_lngDelayMinute = value;
    m_objMKC.setLngFreeMinute(value);
}

void ScreenSaverCtrl::setLngWorkState(std::int32_t value) {
    if (value == m_lngWorkState) return;
    m_lngWorkState = value;
    applyWorkState(value);
    emit WorkStateChanged();
}

void ScreenSaverCtrl::applyWorkState(std::int32_t value) {
    switch (value) {
        case kStarted:
            m_objMKC.setLngWorkState(MouseKeyboardCheck::kWaitForActivity);
            runScrSavProc();
            break;
        case kOff:
            m_objMKC.setLngWorkState(MouseKeyboardCheck::kStopped);
            break;
        case kArmed:
            m_objMKC.setLngWorkState(MouseKeyboardCheck::kWaitForIdleness);
            break;
        default:
            break;
    }
}

void ScreenSaverCtrl::m_objMKC_ComputerIsIdle() {
    if (m_lngWorkState == kArmed) setLngWorkState(kStarted);
}

void ScreenSaverCtrl::m_objMKC_UserIsActive() {
    if (m_lngWorkState == kStarted) setLngWorkState(kArmed);
}

void ScreenSaverCtrl::SetPlayArea(std::int32_t lngX, std::int32_t lngY, std::int32_t lngWidth,
                                  std::int32_t lngHeight) {
    m_playArea = QRect(lngX, lngY, lngWidth, lngHeight);
}

void ScreenSaverCtrl::runScrSavProc() {
    const QString path = strSaverPath(m_strScreenSaverProcName);
    if (path.isEmpty()) return;
    bool boolMaxSize = false;
    QString caption;
    if (m_screenFacts) m_screenFacts(boolMaxSize, caption);
    services().processLauncher->startDetached(path, saverline::runLine(m_playArea, boolMaxSize, caption));
}

void ScreenSaverCtrl::previewAScrSavProcByName(const QString& strName) {
    const QString path = strSaverPath(strName);
    if (!path.isEmpty()) services().processLauncher->startDetached(path, saverline::previewLine());
}

QString ScreenSaverCtrl::showAScrSavPrcPramConfigFace(const QString& strScrSavPrcName,
                                                      std::int32_t lngCenterX, std::int32_t lngCenterY,
                                                      const QString& strFrmCaptionForBack,
                                                      qint64& lngProcessId) {
    lngProcessId = 0;
    const QString path = strSaverPath(strScrSavPrcName);
    if (path.isEmpty()) return QDir(m_strScrSavPrcsFolderPath).filePath(strScrSavPrcName);
    lngProcessId = services().processLauncher->startDetached(
        path, saverline::configFaceLine(lngCenterX, lngCenterY, strFrmCaptionForBack));
    return path;
}

void ScreenSaverCtrl::getScrSaverProcNameList() {
    m_astrScrSavPrcNames.clear();
    if (m_strScrSavPrcsFolderPath.trimmed().isEmpty()) return;
    const QDir folder(m_strScrSavPrcsFolderPath);
    // Named in a steady order, whatever order the file system keeps.
    const QFileInfoList files =
        folder.entryInfoList(QDir::Files | QDir::Executable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        if (file.isFile() && file.isExecutable()) m_astrScrSavPrcNames << file.fileName();
    }
}

std::int32_t ScreenSaverCtrl::lngGetScrSavPrcNameLstItmCount() const {
    return static_cast<std::int32_t>(m_astrScrSavPrcNames.size());
}

QString ScreenSaverCtrl::strGetScrSavPrcNameByIndex(std::int32_t i) const {
    if (i < 1 || i > lngGetScrSavPrcNameLstItmCount()) return QString();
    return m_astrScrSavPrcNames.at(i - 1);
}

QString ScreenSaverCtrl::strSaverPath(const QString& strName) const {
    if (strName.isEmpty() || strName.contains(QLatin1Char('/')) || strName == QLatin1String(".") ||
        strName == QLatin1String("..") || m_strScrSavPrcsFolderPath.trimmed().isEmpty()) {
        return QString();
    }
    const QFileInfo file(QDir(m_strScrSavPrcsFolderPath).filePath(strName));
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}
