#include "MprisTrack.h"

#include <QUrl>

#include "base/FileSystemNames.h"

namespace mpris_track {
namespace {
constexpr qint64 kMicroseconds = 1000000;

bool isAddress(const QString& path) {
    return path.contains(QLatin1String("http"), Qt::CaseInsensitive) && !path.startsWith(QLatin1Char('/'));
}
}  // namespace

QDBusObjectPath trackId(const MoviePtr& item) {
    if (!item) return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    QString element = QStringLiteral("K");
    for (const char byte : item->strFlag.toUtf8()) {
        const auto c = static_cast<unsigned char>(byte);
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            element += QLatin1Char(static_cast<char>(c));
        } else {
            element += QStringLiteral("_%1").arg(c, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    return QDBusObjectPath(QStringLiteral("/org/kestrune/Brandock/Track/") + element);
}

QString url(const QString& strFilePath) {
    if (isAddress(strFilePath)) return strFilePath;
    return QStringLiteral("file://") +
           QString::fromLatin1(bytesForFileSystem(strFilePath).toPercentEncoding("/"));
}

QString pathOfUri(const QString& uri) {
    const QUrl address(uri);
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("file")) return strLocalPathOfUrl(address);
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) return uri;
    return {};
}

QVariantMap metadata(const MoviePtr& item, qint64 lngLengthSeconds) {
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId(item)));
    if (!item) return map;
    map.insert(QStringLiteral("xesam:title"), item->strFileName);
    map.insert(QStringLiteral("xesam:url"), url(item->strFilePath));
    if (lngLengthSeconds > 0) map.insert(QStringLiteral("mpris:length"), lngLengthSeconds * kMicroseconds);
    return map;
}

}  // namespace mpris_track
