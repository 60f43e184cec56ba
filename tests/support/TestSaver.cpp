#include "TestSaver.h"

#include <QDir>
#include <QFile>

TestSaver::TestSaver(const QString& folder, const QString& name, Stay stay)
    : m_path(QDir(folder).filePath(name)),
      m_log(QDir(folder).filePath(QStringLiteral("../%1.log").arg(name))),
      m_release(QDir(folder).filePath(QStringLiteral("../%1.release").arg(name))) {
    QString script = header();
    if (stay == Stay::UntilReleased) {
        // It also ends when the test's folder has gone, and after a minute at most.
        script += QStringLiteral(
                      "n=0; while [ ! -e '%1' ] && [ -d '%2' ] && [ $n -lt 1200 ]; do sleep 0.05; "
                      "n=$((n+1)); done\n")
                      .arg(m_release, folder);
    }
    write(folder, script);
}

TestSaver::TestSaver(const QString& folder, const QString& name, const QString& thenRun)
    : TestSaver(folder, name, Stay::No) {
    write(folder, header() + QStringLiteral("exec '%1' \"$1\"\n").arg(thenRun));
}

QString TestSaver::header() const {
    return QStringLiteral("#!/bin/sh\nprintf '%s:%s\\n' \"$#\" \"$1\" >> '%1'\n").arg(m_log);
}

void TestSaver::write(const QString& folder, const QString& script) const {
    QDir().mkpath(folder);
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
