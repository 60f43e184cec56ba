#include "ExtensionTypes.h"

#include <QMimeDatabase>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace extension_types {
namespace {
struct TableRow {
    const char* extension;
    const char* type;
};

// The player's media extensions and the type each one's files carry.
constexpr TableRow kTable[] = {
    {".acp", "audio/x-mei-aac"},
    {".aif", "audio/x-aiff"},
    {".aifc", "audio/x-aifc"},
    {".aiff", "audio/x-aiff"},
    {".asf", "application/vnd.ms-asf"},
    {".asx", "audio/x-ms-asx"},
    {".au", "audio/basic"},
    {".avi", "video/x-msvideo"},
    {".flac", "audio/flac"},
    {".m1v", "video/mpeg"},
    {".m4a", "audio/mp4"},
    {".m4p", "audio/mp4"},
    {".m4v", "video/x-m4v"},
    {".mid", "audio/midi"},
    {".midi", "audio/midi"},
    {".mkv", "video/x-matroska"},
    {".mov", "video/quicktime"},
    {".mp", "video/mpeg"},
    {".mp1", "audio/mpeg"},
    {".mp2", "audio/mp2"},
    {".mp3", "audio/mpeg"},
    {".mp4", "video/mp4"},
    {".mpa", "audio/mpeg"},
    {".mpe", "video/mpeg"},
    {".mpeg", "video/mpeg"},
    {".mpg", "video/mpeg"},
    {".mpga", "audio/mpeg"},
    {".oga", "audio/ogg"},
    {".ogg", "audio/ogg"},
    {".ogv", "video/ogg"},
    {".opus", "audio/x-opus+ogg"},
    {".qt", "video/quicktime"},
    {".ra", "audio/vnd.rn-realaudio"},
    {".ram", "application/ram"},
    {".rax", "audio/vnd.rn-realaudio"},
    {".rm", "application/vnd.rn-realmedia"},
    {".rmi", "audio/midi"},
    {".rmj", "application/vnd.rn-realmedia"},
    {".rmm", "application/vnd.rn-realmedia"},
    {".rms", "application/vnd.rn-realmedia"},
    {".rmvb", "application/vnd.rn-realmedia-vbr"},
    {".rmx", "application/vnd.rn-realmedia"},
    {".rv", "video/vnd.rn-realvideo"},
    {".rvx", "video/vnd.rn-realvideo"},
    {".smil", "application/smil+xml"},
    {".snd", "audio/basic"},
    {".wav", "audio/x-wav"},
    {".wax", "audio/x-ms-asx"},
    {".webm", "video/webm"},
    {".wm", "video/x-ms-wm"},
    {".wma", "audio/x-ms-wma"},
    {".wmd", "application/x-ms-wmd"},
    {".wmv", "video/x-ms-wmv"},
    {".wmx", "audio/x-ms-asx"},
    {".wvx", "audio/x-ms-asx"},
};

constexpr const char* kNamespace = "http://www.freedesktop.org/standards/shared-mime-info";
}  // namespace

QStringList knownTypes(const QString& extension) {
    if (!extension.startsWith(QLatin1Char('.')) || extension.size() < 2) return {};
    QStringList types;
    for (const QMimeType& type : QMimeDatabase().mimeTypesForFileName(QStringLiteral("x") + extension))
        if (type.isValid() && !type.isDefault()) types.append(type.name());
    return types;
}

// The table's type under the name the MIME database gives it: several of them are aliases there
// (video/x-ms-wm of application/vnd.ms-asf), and a package that claims a glob for an alias is read back
// under the canonical name, so every program must use that name from the start.
QString tableType(const QString& extension) {
    for (const TableRow& row : kTable) {
        if (extension.compare(QLatin1String(row.extension), Qt::CaseInsensitive) != 0) continue;
        const QMimeType known = QMimeDatabase().mimeTypeForName(QLatin1String(row.type));
        return known.isValid() ? known.name() : QString::fromLatin1(row.type);
    }
    return {};
}

QStringList typesOf(const QString& extension) {
    QStringList types = knownTypes(extension);
    if (types.isEmpty() && !tableType(extension).isEmpty()) types.append(tableType(extension));
    return types;
}

QStringList tableTypes() {
    QStringList types;
    for (const TableRow& row : kTable) {
        const QString type = tableType(QLatin1String(row.extension));
        if (!types.contains(type)) types.append(type);
    }
    return types;
}

QByteArray packageText(const std::map<QString, QString>& globs) {
    std::map<QString, QStringList> byType;
    for (const auto& [extension, type] : globs) byType[type].append(QStringLiteral("*") + extension);
    QByteArray text;
    QXmlStreamWriter writer(&text);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(QLatin1String(kNamespace));
    writer.writeStartElement(QLatin1String(kNamespace), QStringLiteral("mime-info"));
    for (const auto& [type, patterns] : byType) {
        writer.writeStartElement(QLatin1String(kNamespace), QStringLiteral("mime-type"));
        writer.writeAttribute(QStringLiteral("type"), type);
        for (const QString& pattern : patterns) {
            writer.writeStartElement(QLatin1String(kNamespace), QStringLiteral("glob"));
            writer.writeAttribute(QStringLiteral("pattern"), pattern);
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return text;
}

std::map<QString, QString> packageGlobs(const QByteArray& text) {
    std::map<QString, QString> globs;
    QXmlStreamReader reader(text);
    QString type;
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name() == QLatin1String("mime-type")) {
            type = reader.attributes().value(QLatin1String("type")).toString();
        } else if (reader.name() == QLatin1String("glob") && !type.isEmpty()) {
            const QString pattern = reader.attributes().value(QLatin1String("pattern")).toString();
            if (pattern.startsWith(QLatin1String("*.")) && pattern.size() > 2) globs[pattern.mid(1)] = type;
        }
    }
    return globs;
}

}  // namespace extension_types
