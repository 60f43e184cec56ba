#include "InstanceRecord.h"

#include <QtEndian>
#include <algorithm>

#include "base/CoreText.h"

namespace instancerecord {

QByteArray buildRecord(const QString& text) {
    return QByteArray::fromStdString(recordBytes(coreText(text)));
}

std::optional<QString> textOfRecord(const QByteArray& record) {
    if (record.size() != kRecordBytes) return std::nullopt;
    if (qFromLittleEndian<quint32>(record.constData()) != kStringRecord) return std::nullopt;
    const quint32 count = qFromLittleEndian<quint32>(record.constData() + 4);
    QByteArray buffer(kBufferBytes, '\0');
    std::copy_n(record.constData() + 8, std::min<quint32>(count, kBufferBytes), buffer.data());
    QString text;
    for (int i = 0; i < kBufferBytes / 2; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(buffer.constData() + 2 * i);
        if (unit == 0) break;
        text.append(QChar(unit));
    }
    return text;
}

}  // namespace instancerecord
