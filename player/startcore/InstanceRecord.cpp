#include "InstanceRecord.h"

#include <algorithm>

namespace {
void putLittleEndian(char* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
}  // namespace

namespace instancerecord {

std::string recordBytes(std::u16string_view text) {
    const std::u16string_view sent = text.substr(0, std::min<std::size_t>(text.size(), kMaxChars));
    std::string record(kRecordBytes, '\0');
    putLittleEndian(record.data(), kStringRecord, 4);
    putLittleEndian(record.data() + 4, static_cast<std::uint32_t>(2 * sent.size() + 1), 4);
    char* buffer = record.data() + 8;
    for (std::size_t i = 0; i < sent.size(); ++i) putLittleEndian(buffer + 2 * i, sent[i], 2);
    return record;
}

}  // namespace instancerecord
