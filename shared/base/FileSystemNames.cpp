#include "FileSystemNames.h"

#include <QUrl>

#include "CoreText.h"
#include "basecore/FileSystemNames.h"

QString strFromFileSystemBytes(const QByteArray& bytes) {
    return qtText(
        basecore::strFromFileSystemBytes({bytes.constData(), static_cast<std::size_t>(bytes.size())}));
}

QByteArray bytesForFileSystem(const QString& text) {
    return QByteArray::fromStdString(basecore::bytesForFileSystem(coreText(text)));
}

QString strLocalPathOfUrl(const QUrl& url) {
    if (!url.isLocalFile()) return {};
    const QString path =
        strFromFileSystemBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return url.host().isEmpty() ? path : QStringLiteral("//") + url.host() + path;
}

bool boolIsFileOnDisk(const QString& path) {
    return basecore::boolIsFileOnDisk(coreText(path));
}

bool boolExistsOnDisk(const QString& path) {
    return basecore::boolExistsOnDisk(coreText(path));
}

QString strCurrentFolder() {
    return qtText(basecore::strCurrentFolder());
}

QString strAbsolutePathIn(const QString& folder, const QString& path) {
    return qtText(basecore::strAbsolutePathIn(coreText(folder), coreText(path)));
}
