#include "InstanceRecord.h"

#include <QtEndian>
#include <algorithm>

namespace instancerecord {

QByteArray buildRecord(const QString& text) {
    const QString sent = text.left(kMaxChars);
    QByteArray record(kRecordBytes, '\0');
    qToLittleEndian<quint32>(kStringRecord, record.data());
    qToLittleEndian<quint32>(static_cast<quint32>(2 * sent.size() + 1), record.data() + 4);
    char* buffer = record.data() + 8;
    for (qsizetype i = 0; i < sent.size(); ++i)
        qToLittleEndian<quint16>(sent.at(i).unicode(), buffer + 2 * i);
    return record;
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
