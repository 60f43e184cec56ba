// Brandock, the player. This start-up prepares the settings database beside the program and loads the
// run configuration and the stored play list; the windows join it as they are built.
#include <QApplication>
#include <QTextStream>

#include "PlayList.h"
#include "SysConfig.h"
#include "db/SettingsDatabase.h"
#include "platform/ProgramPaths.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString programFolder = strProgramFolder();
    QString strErrInfo;
    if (!settingsdb::boolCreateIfMissing(programFolder, strErrInfo)) {
        QTextStream(stderr) << "brandock: " << strErrInfo << '\n';
    }
    const QString databasePath = settingsdb::strPathInProgramFolder(programFolder);

    SysConfig sysConfig;
    sysConfig.setStrDBFilePath(databasePath);
    sysConfig.boolGetData();

    PlayList playList;
    playList.setStrPLDBFilePath(databasePath);
    if (sysConfig.boolSavePlayList()) {
        playList.boolGetPlayListFromPLDB(strErrInfo);
    } else {
        playList.boolSavePlayListToPLDB(strErrInfo);
    }
    QTextStream(stdout) << "brandock: " << playList.lngListCount() << " items in the play list\n";
    return 0;
}
