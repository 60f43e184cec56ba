#include "frmCheckPlayers.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "CheckDllVer.h"
#include "M1Windows.h"
#include "assoc/CheckUserFigure.h"
#include "engines/loader/EngineLoader.h"
#include "frmMsgBox.h"
#include "platform/ProcessLauncher.h"
#include "platform/Services.h"

namespace {
constexpr int kMediaPlayerMinimumMajor = 1;
}

frmCheckPlayers::frmCheckPlayers(const QString& strProgramFolder, QWidget* parent)
    : QDialog(parent), m_strProgramFolder(strProgramFolder) {
    setWindowTitle(QStringLiteral(" "));
    const QString pages = strProgramFolder + QStringLiteral("/DLUrls/");
    m_strWmpW2000 = pages + QStringLiteral("wmpW2000.htm");
    m_strWmpXP = pages + QStringLiteral("wmpXP.htm");
    m_strWmpVista = pages + QStringLiteral("wmpVista.htm");
    m_strRealW2000 = pages + QStringLiteral("realW2000.htm");
    m_strRealXP = pages + QStringLiteral("realXP.htm");

    Picture1 = new QLabel(this);
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32));
    labNotes = new QLabel(this);
    labNotes->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addWidget(labNotes, 1);

    picUpdateButtonPal = new QWidget(this);
    auto* rows = new QVBoxLayout(picUpdateButtonPal);
    Picture2 = new QLabel(picUpdateButtonPal);
    Picture3 = new QLabel(picUpdateButtonPal);
    labMediaNotes = new QLabel(picUpdateButtonPal);
    labRealNotes = new QLabel(picUpdateButtonPal);
    cmdInstallMediaPlayer = new QPushButton(picUpdateButtonPal);
    cmdInstallRealPlayer = new QPushButton(picUpdateButtonPal);
    for (auto [picture, label, button] : {std::tuple{Picture2, labMediaNotes, cmdInstallMediaPlayer},
                                          std::tuple{Picture3, labRealNotes, cmdInstallRealPlayer}}) {
        picture->setPixmap(style()->standardIcon(QStyle::SP_MediaPlay).pixmap(16));
        auto* row = new QHBoxLayout;
        row->addWidget(picture);
        row->addWidget(label, 1);
        row->addWidget(button);
        rows->addLayout(row);
    }

    cmdOk = new QPushButton(QStringLiteral("确定"), this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(picUpdateButtonPal);
    layout->addLayout(bottom);
    cmdOk->hide();

    timCheckPlayers.setInterval(2000);
    connect(&timCheckPlayers, &QTimer::timeout, this, &frmCheckPlayers::timCheckPlayers_Timer);
    connect(cmdInstallMediaPlayer, &QPushButton::clicked, this,
            &frmCheckPlayers::cmdInstallMediaPlayer_Click);
    connect(cmdInstallRealPlayer, &QPushButton::clicked, this, &frmCheckPlayers::cmdInstallRealPlayer_Click);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, &timCheckPlayers, &QTimer::stop);
}

frmCheckPlayers::~frmCheckPlayers() = default;

bool frmCheckPlayers::boolMediaPlayerInstalled(const EngineLoader& engines) {
    return CheckDllVer::boolMajorAtLeast(CheckDllVer::GetVersionInfo(engines, EngineLoader::kMediaPlayer),
                                         kMediaPlayerMinimumMajor);
}

bool frmCheckPlayers::boolRealPlayerInstalled(const EngineLoader& engines) {
    return engines.boolInstalled(EngineLoader::kRealPlayer);
}

bool frmCheckPlayers::boolFileExists(const QString& path) {
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly);
}

// A loader of its own each time: a plugin put in place since the last test is found.
void frmCheckPlayers::testEngines() {
    const EngineLoader engines(m_strProgramFolder + QStringLiteral("/engines"));
    m_boolMediaPresent = boolMediaPlayerInstalled(engines);
    m_boolRealPresent = boolRealPlayerInstalled(engines);
}

bool frmCheckPlayers::checkPlayers() {
    testEngines();
    return checkPlayers(m_boolMediaPresent, m_boolRealPresent);
}

bool frmCheckPlayers::checkPlayers(bool boolMediaPresent, bool boolRealPresent) {
    if (boolMediaPresent && boolRealPresent) return true;
    prepareFace(boolMediaPresent, boolRealPresent);
    exec();
    return false;
}

void frmCheckPlayers::prepareFace(bool boolMediaPresent, bool boolRealPresent) {
    m_boolMediaPresent = boolMediaPresent;
    m_boolRealPresent = boolRealPresent;
    m_objOSVersion.getOSVersion();
    setInstallSources();
    refreshFace();
    timCheckPlayers.start();
}

void frmCheckPlayers::setInstallSources() {
    const QString installers = m_strProgramFolder + QStringLiteral("/PlyPcks/");
    m_strMediaInstaller = m_strRealInstaller = m_strMediaPage = m_strRealPage = QString();
    m_strMediaName = m_strRealName = QString();
    m_boolMediaInstallerPresent = m_boolRealInstallerPresent = false;
    // Each system's installers, download pages and engine names.
    const auto sources = [&](const char* realInstaller, const QString& realPage, const char* realName,
                             const char* mediaInstaller, const QString& mediaPage, const char* mediaName) {
        m_strRealInstaller = installers + QLatin1String(realInstaller);
        m_strRealPage = realPage;
        m_strRealName = QString::fromUtf8(realName);
        m_strMediaInstaller = installers + QLatin1String(mediaInstaller);
        m_strMediaPage = mediaPage;
        m_strMediaName = QString::fromUtf8(mediaName);
    };
    switch (m_objOSVersion.enumOSVersionFlag()) {
        case 19:
            sources("rpInstall_XP", m_strRealXP, "RealPlayer 11", "wmpInstall_Vista", m_strWmpVista,
                    "Windows Media Player 11 for Vista");
            break;
        case 16:
            sources("rpInstall_2000", m_strRealW2000, "RealPlayer 10", "wmpInstall_2000", m_strWmpW2000,
                    "Windows Media Player 9");
            break;
        case 17:
        case 18:
            sources("rpInstall_XP", m_strRealXP, "RealPlayer 11", "wmpInstall_XP", m_strWmpXP,
                    "Windows Media Player 11");
            break;
        default:
            return;
    }
    m_boolMediaInstallerPresent = boolFileExists(m_strMediaInstaller);
    m_boolRealInstallerPresent = boolFileExists(m_strRealInstaller);
}

void frmCheckPlayers::refreshFace() {
    if (m_objOSVersion.boolSupported()) {
        if (picUpdateButtonPal->isHidden()) {
            picUpdateButtonPal->show();
            cmdOk->hide();
        }
        labNotes->setText(
            QStringLiteral("本播放器需要 Windows Media Player 和 Real Player "
                           "播放器的支持，当前这两个播放器的配置状态为："));
        const auto show = [](bool present, bool installerPresent, const QString& name,
                             const QString& installed, QLabel* label, QPushButton* button) {
            if (present) {
                label->setText(installed);
                button->hide();
                return;
            }
            label->setText(name + QStringLiteral(" 尚未安装，需要安装 -->"));
            button->setText(installerPresent ? QStringLiteral("立即安装该播放器")
                                             : QStringLiteral("从网上下载该播放器"));
            button->show();
        };
        show(m_boolMediaPresent, m_boolMediaInstallerPresent, m_strMediaName,
             QStringLiteral("Windows Media Player 已经安装。"), labMediaNotes, cmdInstallMediaPlayer);
        show(m_boolRealPresent, m_boolRealInstallerPresent, m_strRealName,
             QStringLiteral("Real Player 已经安装。"), labRealNotes, cmdInstallRealPlayer);
        return;
    }
    // On a system the installers do not serve the dialog only says what to install, once.
    if (picUpdateButtonPal->isHidden()) return;
    picUpdateButtonPal->hide();
    if (!m_boolMediaPresent && !m_boolRealPresent) {
        labNotes->setText(
            QStringLiteral("本播放器需要Windows Media Player 和 Real Player "
                           "播放器的支持,请安装这两个播放器后再尝试运行本软件。"));
    } else if (!m_boolRealPresent) {
        labNotes->setText(
            QStringLiteral("本播放器需要 Real Player 播放器的支持,请安装这个播放器后再尝试运行本软件。"));
    } else {
        labNotes->setText(QStringLiteral(
            "本播放器需要Windows Media Player 播放器的支持,请安装这个播放器后再尝试运行本软件。"));
    }
    cmdOk->show();
}

// The installer runs as a program of its own, without a shell; it asks for the administrator's password
// itself. One that does not start is not reported: the re-test goes on.
void frmCheckPlayers::install(bool boolInstallerPresent, const QString& strInstaller,
                              const QString& strPage) {
    if (!boolInstallerPresent) {
        openPageInBrowser(this, strPage);
        return;
    }
    if (CheckUserFigure::boolUserBlongToAdminsGroup()) {
        services().processLauncher->startDetached(strInstaller, QString());
        return;
    }
    frmMsgBox box(this);
    box.setWindowTitle(QStringLiteral("用户权限太低"));
    box.Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32));
    box.labNote->setText(QStringLiteral(
        "您当前登录到操作系统的用户身份不属于管理员组，要进行安装操作，您必须具有管理员组身份，"
        "请重新以具有管理员组身份的用户登录到操作系统，然后再进行该安装操作。"));
    box.cmdYes->setText(QStringLiteral("确定"));
    box.cmdNo->hide();
    box.boolDefaultYes = true;
    box.exec();
}

void frmCheckPlayers::cmdInstallMediaPlayer_Click() {
    install(m_boolMediaInstallerPresent, m_strMediaInstaller, m_strMediaPage);
}

void frmCheckPlayers::cmdInstallRealPlayer_Click() {
    install(m_boolRealInstallerPresent, m_strRealInstaller, m_strRealPage);
}

void frmCheckPlayers::timCheckPlayers_Timer() {
    timCheckPlayers.stop();
    testEngines();
    if (m_boolMediaPresent && m_boolRealPresent) {
        accept();
        return;
    }
    refreshFace();
    timCheckPlayers.start();
}
