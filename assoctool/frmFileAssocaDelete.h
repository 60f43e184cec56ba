#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

// The removal window: shows for about a second that the associations go, removes every one of them, closes
// and ends the program. The user does nothing here.
class frmFileAssocaDelete : public QWidget {
    Q_OBJECT

  public:
    // strProgramFolder: the folder of the settings database; its parent holds "FileAssocia".
    explicit frmFileAssocaDelete(QString strProgramFolder, QWidget* parent = nullptr);

    void timDelayRun_Timer();

    QLabel* Label1;
    QTimer timDelayRun;

  signals:
    void ProgramEnds();

  private:
    QString m_strProgramFolder;
};
