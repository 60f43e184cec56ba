#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

// The Qt-free modules keep texts as UTF-16 code units, the very content of a QString: these carry them over
// unchanged, either way.
inline QString qtText(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string_view coreText(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QStringList qtTexts(const std::vector<std::u16string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::u16string& text : texts) list << qtText(text);
    return list;
}

inline std::vector<std::u16string> coreTexts(const QStringList& texts) {
    std::vector<std::u16string> list;
    list.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) list.emplace_back(coreText(text));
    return list;
}
