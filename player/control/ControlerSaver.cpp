// The controller's saver side: the player's own saver programs, and the system screen saver and power saving
// held off while they are wanted.
#include "Controler.h"
#include "model/SysConfig.h"
#include "saverctl/ScreenSaveAndPower.h"
#include "saverctl/ScreenSaverCtrl.h"

void Controler::createSaverSide(const QString& strScrSavPrcsFolderPath) {
    m_objScreenSaveAndPower = std::make_unique<ScreenSaveAndPower>();
    m_objScreenSaverCtrl = std::make_unique<ScreenSaverCtrl>();
    m_objScreenSaverCtrl->setLngDelayMinute(m_objSysConfig->lngSSDelayMinute());
    m_objScreenSaverCtrl->setStrScreenSaverProcName(m_objSysConfig->strScrSavProcName());
    m_objScreenSaverCtrl->setStrScrSavPrcsFolderPath(strScrSavPrcsFolderPath);
    m_objScreenSaverCtrl->setScreenFacts([this](bool& boolMaxSize, QString& strCaption) {
        boolMaxSize = m_frmScreen && m_frmScreen->boolMaxSize();
        strCaption = m_frmScreen ? m_frmScreen->strCaption() : QString();
    });
    connect(m_objScreenSaverCtrl.get(), &ScreenSaverCtrl::WorkStateChanged, this,
            &Controler::settleDesktopSaverHold);
    m_objScreenSaverCtrl->setLngWorkState(m_objSysConfig->boolScreenSaver() ? ScreenSaverCtrl::kArmed
                                                                            : ScreenSaverCtrl::kOff);
    settleDesktopSaverHold();
}

void Controler::releaseSaverSide() {
    if (m_objScreenSaverCtrl) {
        m_objScreenSaverCtrl->disconnect(this);
        m_objScreenSaverCtrl->setLngWorkState(ScreenSaverCtrl::kOff);
        m_objScreenSaverCtrl.reset();
    }
    if (m_objScreenSaveAndPower && m_boolDesktopSaverHeld) {
        m_objScreenSaveAndPower->EnablePowerSaver();
        m_objScreenSaveAndPower->OpenScreenSave();
    }
    m_boolDesktopSaverHeld = false;
    m_objScreenSaveAndPower.reset();
}

std::int32_t Controler::lngSaverWorkState() const {
    return m_objScreenSaverCtrl ? m_objScreenSaverCtrl->lngWorkState() : ScreenSaverCtrl::kOff;
}

void Controler::settleDesktopSaverHold() {
    if (!m_objScreenSaveAndPower) return;
    const PlayState state = lngScreenState();
    const bool wanted = state == PlayState::Playing || state == PlayState::Starting ||
                        lngSaverWorkState() == ScreenSaverCtrl::kArmed ||
                        lngSaverWorkState() == ScreenSaverCtrl::kStarted;
    if (wanted == m_boolDesktopSaverHeld) return;
    m_boolDesktopSaverHeld = wanted;
    if (wanted) {
        m_objScreenSaveAndPower->CloseScreenSave();
        m_objScreenSaveAndPower->DisEnablePowerSaver();
    } else {
        m_objScreenSaveAndPower->EnablePowerSaver();
        m_objScreenSaveAndPower->OpenScreenSave();
    }
}

void Controler::frmScreen_StateChange() {
    if (m_boolShuttingDown) return;
    settleDesktopSaverHold();
    emit StateChange();
}

void Controler::previewAScrSavProcByName(const QString& strProcName) {
    if (m_objScreenSaverCtrl) m_objScreenSaverCtrl->previewAScrSavProcByName(strProcName);
}

QString Controler::showAScrSavPrcPramConfigFace(const QString& strProcName, std::int32_t lngCenterX,
                                                std::int32_t lngCenterY, const QString& strText,
                                                qint64& lngProcessId) {
    lngProcessId = 0;
    if (!m_objScreenSaverCtrl) return QString();
    return m_objScreenSaverCtrl->showAScrSavPrcPramConfigFace(strProcName, lngCenterX, lngCenterY, strText,
                                                              lngProcessId);
}

void Controler::setPlayPosiForScreenSaver(int left, int top, int width, int height) {
    if (m_objScreenSaverCtrl) m_objScreenSaverCtrl->SetPlayArea(left, top, width, height);
}
