// The hand-over record as a later start (or anyone who can reach the channel) sends it: any bytes, and the
// same bytes laid into one whole record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "handover/InstanceRecord.h"

using namespace instancerecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.size() != kRecordBytes && textOfRecord(bytes)) std::abort();

    QByteArray record = bytes.left(kRecordBytes);
    record.append(QByteArray(kRecordBytes - record.size(), '\0'));
    const std::optional<QString> text = textOfRecord(record);
    if (!text) return 0;
    if (text->size() > kBufferBytes / 2 || text->contains(QChar(u'\0'))) std::abort();
    // What arrives travels again unchanged, as far as a record carries it.
    if (textOfRecord(buildRecord(*text)) != text->left(kMaxChars)) std::abort();
    return 0;
}
