#include "FileSystemNames.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace {
constexpr char16_t kByteStandIn = 0xDC00;
constexpr char32_t kReplacement = 0xFFFD;

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The length of the valid UTF-8 sequence at data[i], or 0 when the byte there starts none.
std::size_t sequenceLength(const unsigned char* data, std::size_t i, std::size_t size) {
    const unsigned char lead = data[i];
    if (lead < 0x80) return 1;
    std::size_t length = 0;
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
    for (std::size_t k = 2; k < length; ++k) {
        if (!continuation(data[i + k])) return 0;
    }
    return length;
}

// The character of a valid sequence of `length` bytes.
char32_t decoded(const unsigned char* data, std::size_t length) {
    if (length == 1) return data[0];
    char32_t c = data[0] & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (data[k] & 0x3F);
    return c;
}

void appendUtf16(std::u16string& text, char32_t c) {
    if (c < 0x10000) {
        text += static_cast<char16_t>(c);
    } else {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

void appendUtf8(std::string& bytes, char32_t c) {
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

bool statOf(std::u16string_view path, struct stat& info) {
    return !path.empty() && ::stat(basecore::bytesForFileSystem(path).c_str(), &info) == 0;
}
}  // namespace

namespace basecore {

std::u16string strFromFileSystemBytes(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size;) {
        const std::size_t length = sequenceLength(data, i, size);
        if (length == 0) {
            text += static_cast<char16_t>(kByteStandIn + data[i++]);
        } else {
            appendUtf16(text, decoded(data + i, length));
            i += length;
        }
    }
    return text;
}

std::string bytesForFileSystem(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < size && isLowSurrogate(text[i + 1])) {
            appendUtf8(bytes, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[++i] - 0xDC00));
        } else if (unit >= kByteStandIn + 0x80 && unit <= kByteStandIn + 0xFF) {
            bytes += static_cast<char>(unit - kByteStandIn);
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(bytes, kReplacement);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

bool boolIsFileOnDisk(std::u16string_view path) {
    struct stat info {};
    return statOf(path, info) && S_ISREG(info.st_mode);
}

bool boolExistsOnDisk(std::u16string_view path) {
    struct stat info {};
    return statOf(path, info);
}

std::u16string strCurrentFolder() {
    std::vector<char> buffer(PATH_MAX);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return strFromFileSystemBytes(buffer.data());
}

std::u16string strCleanPath(std::u16string_view path) {
    if (path.empty()) return {};
    const bool absolute = path.front() == u'/';
    std::vector<std::u16string_view> segments;
    for (std::size_t from = 0; from <= path.size();) {
        const std::size_t end = std::min(path.find(u'/', from), path.size());
        const std::u16string_view segment = path.substr(from, end - from);
        from = end + 1;
        if (segment.empty() || segment == u".") continue;
        if (segment == u".." && !segments.empty() && segments.back() != u"..") {
            segments.pop_back();
        } else {
            segments.push_back(segment);
        }
    }
    std::u16string clean = absolute ? u"/" : u"";
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (i > 0) clean += u'/';
        clean += segments[i];
    }
    return clean.empty() ? u"." : clean;
}

std::u16string strAbsolutePathIn(std::u16string_view folder, std::u16string_view path) {
    if (!path.empty() && path.front() == u'/') return strCleanPath(path);
    std::u16string joined(folder);
    joined += u'/';
    joined += path;
    return strCleanPath(joined);
}

}  // namespace basecore
