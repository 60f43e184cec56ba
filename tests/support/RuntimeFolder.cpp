#include "RuntimeFolder.h"

#include <QFile>
#include <QTest>

RuntimeFolder::RuntimeFolder() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) m_previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
}

RuntimeFolder::~RuntimeFolder() {
    if (m_previous) qputenv("XDG_RUNTIME_DIR", *m_previous);
    if (!m_previous) qunsetenv("XDG_RUNTIME_DIR");
}

bool RuntimeFolder::waitForChannel() const {
    return QTest::qWaitFor(
        [this] { return QFile::exists(path() + QStringLiteral("/play27182831415.socket")); }, 15000);
}
