// The screen window's mouse input and context menu. Both engines let mouse input through to this window, so
// one set of handlers serves clicks on either engine's video; an engine that reports mouse input itself
// reaches the same handlers through its notifications.
#include <QCursor>
#include <QMouseEvent>
#include <QWheelEvent>

#include "PlayerKeys.h"
#include "frmScreen.h"
#include "monitors/MonitorNames.h"
#include "monitors/cMonitors.h"
#include "monitors/cMonitors2.h"

namespace {
constexpr int kRightButton = 2;

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return kRightButton;
        default:
            return 4;
    }
}
}  // namespace

void frmScreen::buildMenu() {
    mnuPopuMenu = new QMenu(this);
    mnuFullScreenTo = mnuPopuMenu->addMenu(QStringLiteral("全屏到"));
    mnuExitFullScreen = mnuPopuMenu->addAction(QStringLiteral("退出全屏"));
    mnuPopuMenu->addSeparator();
    mnuShowMainFace = mnuPopuMenu->addAction(QStringLiteral("显示控制面板"));
    mnuPopuMenu->addSeparator();
    mnuPlay = mnuPopuMenu->addAction(QStringLiteral("播放"));
    mnuPause = mnuPopuMenu->addAction(QStringLiteral("暂停"));
    mnuStop = mnuPopuMenu->addAction(QStringLiteral("停止"));
    mnuPopuMenu->addSeparator();
    mnuFangYin = mnuPopuMenu->addAction(QStringLiteral("放音"));
    mnuJingYin = mnuPopuMenu->addAction(QStringLiteral("静音"));

    const std::pair<QAction*, MenuCommand> commands[] = {{mnuExitFullScreen, MenuCommand::ExitFullScreen},
                                                         {mnuPlay, MenuCommand::Play},
                                                         {mnuPause, MenuCommand::Pause},
                                                         {mnuStop, MenuCommand::Stop},
                                                         {mnuFangYin, MenuCommand::SoundOn},
                                                         {mnuJingYin, MenuCommand::Mute},
                                                         {mnuShowMainFace, MenuCommand::ShowMainFace}};
    for (const auto& [action, code] : commands) {
        connect(action, &QAction::triggered, this, [this, code = code] { emit clickPopuMenu(code); });
    }
    QAction* first = mnuFullScreenTo->addAction(strMonitorName(1));
    connect(first, &QAction::triggered, this, [this] { mnuScreenX_Click(0); });
    mnuScreenX.push_back(first);
}

void frmScreen::wireInput() {
    connect(&timDelayRaiseClickEvent, &QTimer::timeout, this, &frmScreen::ClickPlayer);
    connect(&timDisableWMPFullScreen, &QTimer::timeout, this, [this] {
        if (m_wmpPlayer->fullScreen()) m_wmpPlayer->setFullScreen(false);
    });
    connect(m_wmpPlayer.get(), &MediaPlayerEngine::Click, this,
            [this](int button) { wmpPlayer_Click(button); });
    connect(m_wmpPlayer.get(), &MediaPlayerEngine::DoubleClick, this, [this] { wmpPlayer_DoubleClick(); });
    connect(m_wmpPlayer.get(), &MediaPlayerEngine::MouseDown, this,
            [this](int button) { wmpPlayer_MouseDown(button); });
    connect(m_wmpPlayer.get(), &MediaPlayerEngine::MouseUp, this,
            [this](int button) { wmpPlayer_MouseUp(button); });
}

void frmScreen::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<PlayerKey> key = playerKeyOf(*event)) {
        emit KeyCommand(*key);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void frmScreen::wheelEvent(QWheelEvent* event) {
    constexpr int kNotch = 120;
    m_wheelAngle += event->angleDelta().y();
    for (; m_wheelAngle >= kNotch; m_wheelAngle -= kNotch) emit KeyCommand(PlayerKey::VolumeUp);
    for (; m_wheelAngle <= -kNotch; m_wheelAngle += kNotch) emit KeyCommand(PlayerKey::VolumeDown);
    event->accept();
}

QRect frmScreen::monitorRectangle() const {
    const cMonitorPtr monitor = cMonitors().MonitorForWindow(this);
    return monitor ? QRect(monitor->Left(), monitor->Top(), monitor->Width(), monitor->Height())
                   : frameGeometry();
}

void frmScreen::mousePressEvent(QMouseEvent* event) {
    wmpPlayer_MouseDown(buttonNumber(event->button()));
}

void frmScreen::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    wmpPlayer_MouseUp(button);
    if (button != kRightButton && m_boolReleaseEndsDoubleClick) {
        m_boolReleaseEndsDoubleClick = false;
        return;
    }
    wmpPlayer_Click(button);
}

void frmScreen::mouseDoubleClickEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    if (button == kRightButton) {
        wmpPlayer_MouseDown(button);  // a quick second right click is a right click of its own
        return;
    }
    m_boolReleaseEndsDoubleClick = true;
    wmpPlayer_DoubleClick();
}

void frmScreen::wmpPlayer_Click(int button) {
    if (button != kRightButton) timDelayRaiseClickEvent.start();
    timSetTimShowBackZOrder.start();
}

void frmScreen::wmpPlayer_DoubleClick() {
    timDisableWMPFullScreen.start();
    if (!m_boolMaxSize) timDelayRaiseClickEvent.stop();
    emit DbClickPlayer(m_boolMaxSize);
}

void frmScreen::wmpPlayer_MouseDown(int button) {
    if (button == kRightButton) createScreenListMenu();
}

void frmScreen::wmpPlayer_MouseUp(int button) {
    if (button == kRightButton) popuCtrlMenu();
}

void frmScreen::createScreenListMenu() {
    if (!objMonitors) objMonitors = std::make_unique<cMonitors2>();
    while (mnuScreenX.size() > 1) {
        delete mnuScreenX.back();
        mnuScreenX.pop_back();
    }
    objMonitors->GetMonitorArray();
    const int count = static_cast<int>(objMonitors->lngMonitorsCount());
    mnuScreenX[0]->setText(strMonitorMenuTexts(count).front());
    for (int i = 2; i <= count; ++i) {
        QAction* entry = mnuFullScreenTo->addAction(strMonitorName(i));
        connect(entry, &QAction::triggered, this, [this, index = i - 1] { mnuScreenX_Click(index); });
        mnuScreenX.push_back(entry);
    }
}

void frmScreen::popuCtrlMenu() {
    mnuFullScreenTo->menuAction()->setVisible(!m_boolMaxSize);
    mnuExitFullScreen->setVisible(m_boolMaxSize);
    mnuPlay->setEnabled(m_lngState == PlayState::Stopped || m_lngState == PlayState::Paused);
    mnuPause->setEnabled(m_lngState == PlayState::Playing);
    mnuStop->setEnabled(m_lngState != PlayState::Stopped);
    mnuFangYin->setEnabled(m_boolMute);
    mnuJingYin->setEnabled(!m_boolMute);
    mnuPopuMenu->popup(QCursor::pos());
}

void frmScreen::mnuScreenX_Click(int index) {
    if (!objMonitors || objMonitors->lngMonitorsCount() == 0) return;
    const auto monitor = objMonitors->objGetAMonitorByIndex(index + 1);
    if (!monitor) return;
    setLngMaxHeight(monitor->Height());
    setLngMaxWidth(monitor->Width());
    setLngMaxTop(monitor->Top());
    setLngMaxLeft(monitor->Left());
    emit clickPopuMenu(MenuCommand::FullScreenTo);
}
