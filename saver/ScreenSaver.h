#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "ScrSavParameters.h"
#include "timing/MouseKeyboardCheck.h"

class frmSaver;

// Decides which monitors get a saver window, owns those windows and the idle detector that ends the saver
// at the first input. A monitor gets a window when less than 15 per mille of the player's screen window
// lies on it, so the monitor the video plays on stays free.
class ScreenSaver : public QObject {
    Q_OBJECT

  public:
    static constexpr std::int32_t kWindowsClosed = 1;
    static constexpr std::int32_t kWindowsOpen = 3;
    static constexpr std::int64_t kMostCoverageForAWindow = 15;

    ScreenSaver();
    ~ScreenSaver() override;

    QString strScrSavProcsFolderPath() const { return m_strScrSavProcsFolderPath; }
    void setStrScrSavProcsFolderPath(const QString& value) { m_strScrSavProcsFolderPath = value; }
    QString strScrSavProcFileName() const { return m_strScrSavProcFileName; }
    void setStrScrSavProcFileName(const QString& value) { m_strScrSavProcFileName = value; }

    // 1 windows closed, 3 windows open. Asking for 3 opens the windows; when none opens the state falls
    // back to 1 at once.
    std::int32_t lngWorkState() const { return m_lngWorkState; }
    void setLngWorkState(std::int32_t value);

    void SetPlayArea(std::int32_t lngX, std::int32_t lngY, std::int32_t lngWidth, std::int32_t lngHeight);
    // The parameter database beside the program ("<file name>.db"; an installed program keeps each user's
    // in their own data folder), made when missing, and its first
    // lngPramCount parameters loaded.
    void getScrSavPrams(std::int32_t lngPramCount);
    ScrSavParameters* objGetScrSavPramsObj() { return &m_objScrSavPrams; }

    // The share of the play area that lies on a monitor, in per mille rounded half to even; 0 for a play
    // area narrower or lower than 3 pixels.
    static std::int64_t getMonitorCoverage(const QRect& playArea, const QRect& monitor);

    const std::vector<std::unique_ptr<frmSaver>>& aobjSaverFaces() const { return m_aobjSaverFaces; }

    // The first input: windows closed, detector stopped, and ProgramEnds.
    void m_objMKC_UserIsActive();

  signals:
    void ProgramEnds();

  private:
    void applyWorkState(std::int32_t value);
    void openWindows();
    void closeWindows();

    QString m_strScrSavProcsFolderPath;
    QString m_strScrSavProcFileName;
    std::int32_t m_lngWorkState = 0;
    QRect m_playArea;
    std::vector<std::unique_ptr<frmSaver>> m_aobjSaverFaces;
    ScrSavParameters m_objScrSavPrams;
    MouseKeyboardCheck m_objMKC;
};
