#include "TolvaneMain.h"

#include <QApplication>
#include <QStringList>

#include "assoc/SetRegPrivilege.h"
#include "base/ProgramPaths.h"
#include "db/SettingsDatabase.h"
#include "frmFileAsocaEdit.h"
#include "frmFileAssocaDelete.h"

namespace {
QString strWholeCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments.join(QLatin1Char(' '));
}

// Installing before the player's first start finds no settings database yet: it is made as the player
// makes it, in the same place. One that cannot be read stays as it is and lists no types.
void prepareSettingsDatabase(const QString& strProgramFolder) {
    QString path;
    QString error;
    settingsdb::boolPrepareSettings(strProgramFolder, path, error);
}
}  // namespace

int tolvaneMain(int argc, char* argv[]) {
    const QString strCommand = strWholeCommandLine(argc, argv).toUpper();
    const bool boolInitialize = strCommand == QLatin1String("-INITILIZE");
    const bool boolDelete = strCommand == QLatin1String("-DELETE");
    if (!boolInitialize && !boolDelete) return 0;

    QApplication app(argc, argv);
    const QString strFolder = strProgramFolder();
    prepareSettingsDatabase(strFolder);

    SetRegPrivilege objPrivilege;
    QString strErrInfo;
    objPrivilege.boolEnablePrivilege(strErrInfo);

    if (boolInitialize) {
        frmFileAsocaEdit form(strFolder);
        QObject::connect(&form, &frmFileAsocaEdit::ProgramEnds, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        form.show();
        form.intilReg();
        objPrivilege.boolUnEnablePrivilege(strErrInfo);
        return app.exec();
    }

    frmFileAssocaDelete form(strFolder);
    QObject::connect(&form, &frmFileAssocaDelete::ProgramEnds, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form.show();
    const int exitCode = app.exec();
    objPrivilege.boolUnEnablePrivilege(strErrInfo);
    return exitCode;
}
