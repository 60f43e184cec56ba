#pragma once

#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

#include "model/Movie.h"

// How a play item looks to the desktop's media controls.
namespace mpris_track {

// The item's track id: an object path with the item's key in its last element, every character other than
// a letter or a digit written as "_" and its two hex digits, so that two keys never share a path. The path
// MPRIS reserves for no track when there is no item.
QDBusObjectPath trackId(const MoviePtr& item);
// The address of the item's file: a "file://" URL whose escapes are the bytes of the name (names that are
// not UTF-8 included), or the "http" address as it is.
QString url(const QString& strFilePath);
// The path a URL of OpenUri names: the local file of a "file" URL, byte for byte, an "http" or "https"
// address as it is; empty for anything else.
QString pathOfUri(const QString& uri);
// mpris:trackid, xesam:title (the file name), xesam:url and, once known, mpris:length in microseconds.
QVariantMap metadata(const MoviePtr& item, qint64 lngLengthSeconds);

}  // namespace mpris_track
