#include "DetachedProcessLauncher.h"

#include <QProcess>

qint64 DetachedProcessLauncher::startDetached(const QString& program, const QString& argument) {
    qint64 pid = 0;
    if (!QProcess::startDetached(program, {argument}, QString(), &pid)) return 0;
    return pid;
}
