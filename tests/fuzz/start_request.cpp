// A start's arguments, one a line of UTF-8, against a folder holding a few files, one of them named like an
// option.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "start/StartRequest.h"

namespace {
const QString& workingFolder() {
    static QTemporaryDir dir;
    static const bool made = [] {
        for (const char* name : {"a.webm", "two words.ogg", "--version", "DMenuF_1__"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            file.open(QIODevice::WriteOnly);
        }
        return QDir().mkpath(dir.filePath(QStringLiteral("sub")));
    }();
    static const QString path = made ? dir.path() : QString();
    return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList arguments = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    const StartRequest request = startRequestOf(arguments, workingFolder());
    if (request.action != StartRequest::Action::Start &&
        (!request.strCommandLine.isEmpty() || !request.files.isEmpty() || arguments.size() != 1))
        std::abort();
    if (!request.strCommandLine.isEmpty() && !request.files.isEmpty()) std::abort();
    if (request.files.size() == 1) std::abort();
    if (request.files.size() + request.notFound.size() > arguments.size()) std::abort();
    return 0;
}
