#include "ScreenSaveAndPower.h"

#include "platform/Services.h"

ScreenSaveAndPower::ScreenSaveAndPower() : m_inhibitor(services().screenSaverInhibitor) {}

ScreenSaveAndPower::~ScreenSaveAndPower() = default;

void ScreenSaveAndPower::CloseScreenSave() {
    m_inhibitor->holdOffScreenSaver();
}

void ScreenSaveAndPower::OpenScreenSave() {
    m_inhibitor->releaseScreenSaver();
}

bool ScreenSaveAndPower::boolCurrentScreenSaveState() const {
    return m_inhibitor->screenSaverActive();
}

void ScreenSaveAndPower::SetScreenSaveTimeout(std::int32_t lngSeconds) {
    m_inhibitor->setScreenSaverTimeout(lngSeconds);
}

void ScreenSaveAndPower::EnablePowerSaver() {
    m_inhibitor->releasePowerSaving();
}

void ScreenSaveAndPower::DisEnablePowerSaver() {
    m_inhibitor->holdOffPowerSaving();
}
