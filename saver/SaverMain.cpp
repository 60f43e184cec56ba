#include "SaverMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "ForegroundWindow.h"
#include "SaverTexts.h"
#include "ScreenSaver.h"
#include "base/ProgramPaths.h"
#include "base/RuntimeFolder.h"
#include "frmPramSet.h"
#include "platform/Services.h"
#include "saverline/SaverLine.h"

namespace {
QString strWholeCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments.join(QLatin1Char(' '));
}

// The first `count` fields as 32-bit numbers; none when one of them is not a decimal number.
template <std::size_t count>
std::optional<std::array<std::int32_t, count>> numbers(const saverline::ParsedLine& line) {
    std::array<std::int32_t, count> values{};
    for (std::size_t i = 0; i < count; ++i) {
        bool ok = false;
        values[i] = line.astrFields[i].trimmed().toInt(&ok, 10);
        if (!ok) return std::nullopt;
    }
    return values;
}

QString strGetOwnFileName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}
}  // namespace

int saverMain(int argc, char* argv[]) {
    const QString strCommandLine = strWholeCommandLine(argc, argv);
    if (strCommandLine.isEmpty()) return 0;
    UserInstanceLock lock;
    if (!lock.boolAcquire(kSaverProgramName)) return 0;

    // A malformed line, or numbers that are none, ends the saver before it opens anything.
    saverline::ParsedLine line;
    if (!saverline::boolParseCommandLine(strCommandLine, line)) return 0;
    const bool boolRun = line.strMode == saverline::kRun;
    const auto runNumbers = numbers<5>(line);
    const auto centre = numbers<2>(line);
    if (boolRun ? !runNumbers : !centre) return 0;

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    installDesktopServices();

    ScreenSaver objScreenSaver;
    objScreenSaver.setStrScrSavProcFileName(strGetOwnFileName());
    objScreenSaver.setStrScrSavProcsFolderPath(strProgramFolder());
    QObject::connect(&objScreenSaver, &ScreenSaver::ProgramEnds, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    if (boolRun) {
        const auto& [x, y, width, height, fullScreen] = *runNumbers;
        objScreenSaver.SetPlayArea(x, y, width, height);
        objScreenSaver.getScrSavPrams(2);
        objScreenSaver.setLngWorkState(ScreenSaver::kWindowsOpen);
        // Hiding and restoring the task bar around this step has no counterpart on these desktops.
        if (fullScreen == 1) boolBringWindowToFront(line.astrFields[5]);
        if (objScreenSaver.lngWorkState() != ScreenSaver::kWindowsOpen) return 0;
        return app.exec();
    }

    objScreenSaver.SetPlayArea(0, 0, 0, 0);
    objScreenSaver.getScrSavPrams(2);
    frmPramSet dialog;
    dialog.setObjScrSavParamObj(objScreenSaver.objGetScrSavPramsObj());
    dialog.strFrmCaptionForBack = line.astrFields[2];
    dialog.lngCenterX = (*centre)[0];
    dialog.lngCenterY = (*centre)[1];
    QObject::connect(&dialog, &frmPramSet::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    dialog.setFaceItemByPramObj();
    dialog.setMeToTopMost();
    return app.exec();
}
