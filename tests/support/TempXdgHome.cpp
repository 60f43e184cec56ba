#include "TempXdgHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {
const char* const kVariables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS",
                                  "XDG_CURRENT_DESKTOP"};
}

TempXdgHome::TempXdgHome() {
    for (const char* name : kVariables)
        m_previous[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    for (const QString& folder : {configHome(), root() + QStringLiteral("/etc"), dataHome() + "/applications",
                                  systemData() + QStringLiteral("/applications")})
        QDir().mkpath(folder);
    QFile::link(QStringLiteral("/usr/share/mime"), systemData() + QStringLiteral("/mime"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root() + QStringLiteral("/etc")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(systemData()));
    qunsetenv("XDG_CURRENT_DESKTOP");
}

TempXdgHome::~TempXdgHome() {
    for (const auto& [name, value] : m_previous) {
        if (value) {
            qputenv(name.constData(), *value);
        } else {
            qunsetenv(name.constData());
        }
    }
}

QString TempXdgHome::userEntry(const QString& id) const {
    return dataHome() + QStringLiteral("/applications/") + id + QStringLiteral(".desktop");
}

void TempXdgHome::installApplication(const QString& id, const QStringList& mimeTypes) const {
    writeFile(systemData() + QStringLiteral("/applications/") + id + QStringLiteral(".desktop"),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=/bin/true %U\nMimeType=%2;\n")
                  .arg(id, mimeTypes.join(QLatin1Char(';')))
                  .toUtf8());
    // As a package's installation does: the desktop database lists the application's types.
    run(QStringLiteral("update-desktop-database"), {systemData() + QStringLiteral("/applications")});
}

QByteArray TempXdgHome::readFile(const QString& path) const {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void TempXdgHome::writeFile(const QString& path, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

int TempXdgHome::run(const QString& program, const QStringList& arguments, QString* output) const {
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output != nullptr) *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString TempXdgHome::gioDefault(const QString& mimeType) const {
    QString output;
    EXPECT_EQ(run(QStringLiteral("gio"), {QStringLiteral("mime"), mimeType}, &output), 0)
        << output.toStdString();
    // "Default application for “video/mp4”: vlc.desktop", or "No default applications for “...”".
    static const QRegularExpression line(QStringLiteral("^Default application for .*: (\\S+)$"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(output);
    return match.hasMatch() ? match.captured(1) : QString();
}
