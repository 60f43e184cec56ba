#include "RuntimeFolder.h"

#include <QFile>
#include <QTest>

RuntimeFolder::RuntimeFolder()
    : m_previous(qgetenv("XDG_RUNTIME_DIR")), m_hadPrevious(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
}

RuntimeFolder::~RuntimeFolder() {
    if (m_hadPrevious) {
        qputenv("XDG_RUNTIME_DIR", m_previous);
    } else {
        qunsetenv("XDG_RUNTIME_DIR");
    }
}

bool RuntimeFolder::waitForChannel(int timeoutMs) const {
    const QString socket = path() + QStringLiteral("/play27182831415.socket");
    return QTest::qWaitFor([&] { return QFile::exists(socket); }, timeoutMs);
}
