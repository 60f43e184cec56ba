#include "StartFiles.h"

#include <cstdio>

#include "StartRequest.h"
#include "base/FileSystemNames.h"
#include "base/ProgramPaths.h"

StartFiles::StartFiles(const QStringList& arguments) {
    const StartRequest request = startRequestOf(arguments, strCurrentFolder());
    for (const QString& missing : request.notFound)
        printText(stderr, QStringLiteral("brandock: 找不到文件: %1\n").arg(missing));
    m_strCommandLine = request.strCommandLine;
    QString error;
    if (!request.files.isEmpty() && !m_block.boolWrite(request.files, m_strCommandLine, error))
        printText(stderr, QStringLiteral("brandock: %1\n").arg(error));
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << strFromFileSystemBytes(QByteArray(argv[i]));
    return arguments;
}

void printText(std::FILE* stream, const QString& text) {
    std::fputs(bytesForFileSystem(text).constData(), stream);
}
