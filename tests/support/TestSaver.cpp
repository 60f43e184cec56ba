#include "TestSaver.h"

#include <QDir>
#include <QFile>

TestSaver::TestSaver(const QString& folder, const QString& name, Stay stay)
    : m_path(QDir(folder).filePath(name)),
      m_log(QDir(folder).filePath(QStringLiteral("../%1.log").arg(name))),
      m_release(QDir(folder).filePath(QStringLiteral("../%1.release").arg(name))) {
    QDir().mkpath(folder);
    QString script = QStringLiteral("#!/bin/sh\nprintf '%s:%s\\n' \"$#\" \"$1\" >> '%1'\n").arg(m_log);
    if (stay == Stay::UntilReleased) {
        // It also ends when the test's folder has gone, and after a minute at most.
        script += QStringLiteral(
                      "n=0; while [ ! -e '%1' ] && [ -d '%2' ] && [ $n -lt 1200 ]; do sleep 0.05; "
                      "n=$((n+1)); done\n")
                      .arg(m_release, folder);
    }
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) file.write(script.toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList TestSaver::starts() const {
    QFile file(m_log);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestSaver::release() const {
    QFile file(m_release);
    if (file.open(QIODevice::WriteOnly)) file.close();
}
