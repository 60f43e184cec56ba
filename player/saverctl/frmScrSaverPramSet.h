#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "ProcessLookup.h"

// The invisible stand-in that the settings dialog holds modally while a saver program shows its own
// parameter dialog: it starts the saver in parameter mode 200 ms after it is shown, then looks every 300 ms
// whether that saver process still runs, and closes when it has ended, or at once when it could not start.
// Its caption is unique, so the saver can bring it (and so the settings dialog) back to the front.
class frmScrSaverPramSet : public QDialog {
    Q_OBJECT

  public:
    // Starts the named saver in parameter mode centred on the point (pixels), to bring the window of the
    // caption back; answers the saver's path and the started process (0 when none started).
    using ConfigFaceStarter =
        std::function<QString(const QString& strScrSavPrcName, std::int32_t lngCenterX,
                              std::int32_t lngCenterY, const QString& strCaption, qint64& lngProcessId)>;

    explicit frmScrSaverPramSet(ConfigFaceStarter starter, QWidget* parent = nullptr);

    QString strScrSavPrcName;
    // The settings dialog's centre, in twips.
    std::int32_t lngCenterX = 0;
    std::int32_t lngCenterY = 0;

    QString strScrSavProcPath() const { return m_strScrSavProcPath; }

    QTimer timDelayRun;
    QTimer timScrSavPramWinCheck;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void timDelayRun_Timer();
    void timScrSavPramWinCheck_Timer();

    ConfigFaceStarter m_starter;
    QString m_strScrSavProcPath;
    processlookup::StartedProcess m_saver;
};
