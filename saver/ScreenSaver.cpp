#include "ScreenSaver.h"

#include <cmath>

#include "base/ProgramPaths.h"
#include "base/Rounding.h"
#include "frmSaver.h"
#include "monitors/cMonitors2.h"
#include "platform/LastInputSource.h"

ScreenSaver::ScreenSaver() {
    m_objMKC.setLngWorkState(MouseKeyboardCheck::kStopped);
    m_objMKC.setLngCheckMilliSecondsValue(300);
    m_objMKC.setLngFreeMinute(5);
    connect(&m_objMKC, &MouseKeyboardCheck::UserIsActive, this, &ScreenSaver::m_objMKC_UserIsActive);
}

ScreenSaver::~ScreenSaver() {
    closeWindows();
}

void ScreenSaver::SetPlayArea(std::int32_t lngX, std::int32_t lngY, std::int32_t lngWidth,
                              std::int32_t lngHeight) {
    m_playArea = QRect(lngX, lngY, lngWidth, lngHeight);
}

void ScreenSaver::getScrSavPrams(std::int32_t lngPramCount) {
    m_objScrSavPrams.setStrScrSavProcPramFilePath(
        strUserWritableFolder(m_strScrSavProcsFolderPath, QStringLiteral("SSP")) + QLatin1Char('/') +
        m_strScrSavProcFileName + QStringLiteral(".db"));
    m_objScrSavPrams.createDBIfNotExist();
    QString ignored;
    m_objScrSavPrams.boolGetPramsFromFile(lngPramCount, ignored);
}

void ScreenSaver::setLngWorkState(std::int32_t value) {
    if (value == m_lngWorkState) return;
    m_lngWorkState = value;
    applyWorkState(value);
    if (m_aobjSaverFaces.empty() && m_lngWorkState != kWindowsClosed) {
        m_lngWorkState = kWindowsClosed;
        applyWorkState(kWindowsClosed);
    }
}

void ScreenSaver::applyWorkState(std::int32_t value) {
    if (value == kWindowsOpen) {
        m_objMKC.setLngWorkState(MouseKeyboardCheck::kWaitForActivity);
        openWindows();
    } else if (value == kWindowsClosed) {
        m_objMKC.setLngWorkState(MouseKeyboardCheck::kStopped);
        closeWindows();
    }
}

std::int64_t ScreenSaver::getMonitorCoverage(const QRect& playArea, const QRect& monitor) {
    const std::int64_t height = playArea.height(), width = playArea.width();
    if (height < 3 || width < 3) return 0;
    const std::int64_t dy = std::int64_t{playArea.y()} - monitor.y();
    const std::int64_t dx = std::int64_t{playArea.x()} - monitor.x();
    const std::int64_t oh = dy < 0 ? std::min<std::int64_t>(dy + height, monitor.height())
                                   : std::min<std::int64_t>(monitor.height() - dy, height);
    const std::int64_t ow = dx < 0 ? std::min<std::int64_t>(dx + width, monitor.width())
                                   : std::min<std::int64_t>(monitor.width() - dx, width);
    if (oh < 1 || ow < 1) return 0;
    return lngRoundHalfEven(1000.0 * static_cast<double>(oh * ow) / static_cast<double>(height * width));
}

void ScreenSaver::openWindows() {
    // Without the last input the detector could never end the saver: no window then.
    if (!currentLastInputSource().lastInputTime()) return;
    cMonitors2 monitors;
    monitors.GetMonitorArray();
    if (monitors.lngMonitorsCount() < 1) return;
    closeWindows();
    for (std::int32_t i = 1; i <= monitors.lngMonitorsCount(); ++i) {
        const cMonitorPtr monitor = monitors.objGetAMonitorByIndex(i);
        const QRect rect(monitor->Left(), monitor->Top(), monitor->Width(), monitor->Height());
        if (getMonitorCoverage(m_playArea, rect) >= kMostCoverageForAWindow) continue;
        auto face = std::make_unique<frmSaver>();
        face->objScrSavPramsObj = &m_objScrSavPrams;
        face->setFaceItemByPramObj();
        connect(face.get(), &frmSaver::UserInput, this, &ScreenSaver::m_objMKC_UserIsActive,
                Qt::QueuedConnection);
        face->setGeometry(rect);
        face->show();
        face->raise();
        face->activateWindow();
        m_aobjSaverFaces.push_back(std::move(face));
    }
}

void ScreenSaver::closeWindows() {
    for (auto& face : m_aobjSaverFaces) face->hide();
    m_aobjSaverFaces.clear();
}

void ScreenSaver::m_objMKC_UserIsActive() {
    if (m_lngWorkState == kWindowsClosed) return;
    m_lngWorkState = kWindowsClosed;
    applyWorkState(kWindowsClosed);
    m_objMKC.setLngWorkState(MouseKeyboardCheck::kStopped);
    emit ProgramEnds();
}
