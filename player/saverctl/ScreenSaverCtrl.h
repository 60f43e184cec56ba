#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "timing/MouseKeyboardCheck.h"

// Starts the chosen saver program when the user has been idle for lngDelayMinute minutes, telling it where
// the player's screen window lies so that it leaves that monitor alone; lists the saver programs of the
// saver folder, starts one for a preview, and starts one to show its parameter dialog. It never stops a
// saver: a saver ends itself at the first input.
//
// A saver program is an executable regular file of the saver folder, named by its file name. Only such a
// file is ever started, so a stored name holding "/" or ".." starts nothing.
class ScreenSaverCtrl : public QObject {
    Q_OBJECT

  public:
    static constexpr std::int32_t kOff = 1;
    static constexpr std::int32_t kArmed = 2;
    static constexpr std::int32_t kStarted = 3;

    // Whether the screen window is full screen, and its caption, at the moment a saver starts.
    using ScreenFacts = std::function<void(bool& boolMaxSize, QString& strCaption)>;

    explicit ScreenSaverCtrl(QObject* parent = nullptr);
    ~ScreenSaverCtrl() override;

    QString strScrSavPrcsFolderPath() const { return m_strScrSavPrcsFolderPath; }
    void setStrScrSavPrcsFolderPath(const QString& value) { m_strScrSavPrcsFolderPath = value; }
    QString strScreenSaverProcName() const { return m_strScreenSaverProcName; }
    void setStrScreenSaverProcName(const QString& value) { m_strScreenSaverProcName = value; }
    std::int32_t lngDelayMinute() const { return m_lngDelayMinute; }
    // Taken from the idle detector's next poll on.
    void setLngDelayMinute(std::int32_t value);
    // 1 off, 2 armed (waiting for idleness), 3 saver started (waiting for input).
    std::int32_t lngWorkState() const { return m_lngWorkState; }
    void setLngWorkState(std::int32_t value);

    void setScreenFacts(ScreenFacts facts) { m_screenFacts = std::move(facts); }
    // The screen window's rectangle in pixels, as it last reported it.
    void SetPlayArea(std::int32_t lngX, std::int32_t lngY, std::int32_t lngWidth, std::int32_t lngHeight);

    // Lists the saver programs of the saver folder anew, by name; a missing or unreadable folder lists none.
    void getScrSaverProcNameList();
    std::int32_t lngGetScrSavPrcNameLstItmCount() const;
    // Name i of the last listing, 1 <= i <= count; empty text otherwise.
    QString strGetScrSavPrcNameByIndex(std::int32_t i) const;

    // Runs the saver for a look, with no play area; the state stays as it is.
    void previewAScrSavProcByName(const QString& strName);
    // Starts the saver showing its parameter dialog centred on the point (pixels), which brings the window of
    // the caption back to the front when it closes. Answers the saver's path; lngProcessId is the started
    // process, 0 when nothing started.
    QString showAScrSavPrcPramConfigFace(const QString& strScrSavPrcName, std::int32_t lngCenterX,
                                         std::int32_t lngCenterY, const QString& strFrmCaptionForBack,
                                         qint64& lngProcessId);

    // The idle detector, which polls once a second.
    MouseKeyboardCheck& objMKC() { return m_objMKC; }

  signals:
    void WorkStateChanged();

  private:
    void applyWorkState(std::int32_t value);
    void runScrSavProc();
    void m_objMKC_ComputerIsIdle();
    void m_objMKC_UserIsActive();
    // The full path of a saver program of the folder by that name; empty when the folder has none.
    QString strSaverPath(const QString& strName) const;

    QString m_strScrSavPrcsFolderPath;
    QString m_strScreenSaverProcName;
    std::int32_t m_lngWorkState = 0;
    std::int32_t m_lngDelayMinute = 5;
    QStringList m_astrScrSavPrcNames;
    QRect m_playArea{0, 0, 0, 0};
    ScreenFacts m_screenFacts;
    MouseKeyboardCheck m_objMKC;
};
