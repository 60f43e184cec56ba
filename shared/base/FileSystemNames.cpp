#include "FileSystemNames.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace {
constexpr char16_t kByteStandIn = 0xDC00;

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at data[i], or 0 when the byte there starts none.
qsizetype sequenceLength(const unsigned char* data, qsizetype i, qsizetype size) {
    const unsigned char lead = data[i];
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > size || data[i + 1] < low || data[i + 1] > high) return 0;
    for (qsizetype k = 2; k < length; ++k) {
        if (!continuation(data[i + k])) return 0;
    }
    return length;
}

void appendUtf8(QByteArray& bytes, char32_t c) {
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool statOf(const QString& path, struct stat& info) {
    return !path.isEmpty() && ::stat(bytesForFileSystem(path).constData(), &info) == 0;
}
}  // namespace

QString strFromFileSystemBytes(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    qsizetype validFrom = 0;  // the start of the run of valid sequences not yet taken
    for (qsizetype i = 0; i < size;) {
        const qsizetype length = sequenceLength(data, i, size);
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + validFrom, i - validFrom);
        text += QChar(kByteStandIn + data[i]);
        validFrom = ++i;
    }
    text += QString::fromUtf8(bytes.constData() + validFrom, size - validFrom);
    return text;
}

QByteArray bytesForFileSystem(const QString& text) {
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); });
    if (plain) return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text.at(++i).unicode()));
        } else if (unit >= kByteStandIn + 0x80 && unit <= kByteStandIn + 0xFF) {
            bytes += static_cast<char>(unit - kByteStandIn);
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(bytes, QChar::ReplacementCharacter);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

QString strLocalPathOfUrl(const QUrl& url) {
    if (!url.isLocalFile()) return {};
    const QString path =
        strFromFileSystemBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return url.host().isEmpty() ? path : QStringLiteral("//") + url.host() + path;
}

bool boolIsFileOnDisk(const QString& path) {
    struct stat info {};
    return statOf(path, info) && S_ISREG(info.st_mode);
}

bool boolExistsOnDisk(const QString& path) {
    struct stat info {};
    return statOf(path, info);
}

QString strCurrentFolder() {
    std::vector<char> buffer(PATH_MAX);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return QDir::currentPath();
        buffer.resize(buffer.size() * 2);
    }
    return strFromFileSystemBytes(QByteArray(buffer.data()));
}

QString strAbsolutePathIn(const QString& folder, const QString& path) {
    if (path.startsWith(QLatin1Char('/'))) return QDir::cleanPath(path);
    return QDir::cleanPath(folder + QLatin1Char('/') + path);
}
