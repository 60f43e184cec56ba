#include "FakeViews.h"

bool FakeScreen::play() {
    m_log.add(QStringLiteral("play"));
    if (state == PlayState::Playing) return false;
    state = PlayState::Playing;
    return true;
}

void FakeScreen::pause() {
    m_log.add(QStringLiteral("pause"));
    if (state == PlayState::Playing) state = PlayState::Paused;
}

void FakeScreen::stopPlay() {
    m_log.add(QStringLiteral("stop"));
    state = PlayState::Stopped;
}

void FakeScreen::setBoolMute(bool value) {
    m_log.add(value ? QStringLiteral("mute") : QStringLiteral("sound on"));
    mute = value || muteSticks;
}

void FakeScreen::setBoolMaxSize(bool value) {
    m_log.add(value ? QStringLiteral("full screen") : QStringLiteral("windowed"));
    maxSize = value;
}

void FakePanel::setFaceToAPlayState(FaceState state, bool) {
    m_log.add(QStringLiteral("face %1").arg(codeValue(state)));
}

void FakePanel::setPLItemStateByKey(const QString& key, RowState state) {
    if (state == RowState::Selected) selected = key;
    if (state == RowState::PlayItem) playItemRow = key;
}

void FakePanel::showFace() {
    m_log.add(QStringLiteral("panel shown"));
    visible = true;
}

void FakePanel::hideFace() {
    m_log.add(QStringLiteral("panel hidden"));
    visible = false;
}
