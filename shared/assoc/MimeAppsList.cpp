#include "MimeAppsList.h"

#include <algorithm>

bool sameDesktopName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

namespace {
bool sameType(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool contains(const QStringList& items, const QString& item) {
    return std::any_of(items.begin(), items.end(),
                       [&](const QString& i) { return sameDesktopName(i, item); });
}
}  // namespace

void MimeAppsList::parseEntry(Line& line) {
    QByteArray text = line.text;
    if (text.endsWith('\r')) {
        line.carriageReturn = true;
        text.chop(1);
    }
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith('#')) return;
    if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
        line.header = true;
        line.group = QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2));
        return;
    }
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0) return;
    line.key = QString::fromUtf8(text.left(equals).trimmed());
    if (line.key.isEmpty()) return;
    qsizetype start = equals + 1;
    while (start < text.size() && (text.at(start) == ' ' || text.at(start) == '\t')) ++start;
    line.valueStart = start;
    const QByteArray value = text.mid(start).trimmed();
    line.trailingSeparator = value.endsWith(';');
    for (const QByteArray& item : value.split(';')) {
        const QString name = QString::fromUtf8(item.trimmed());
        if (!name.isEmpty()) line.items.append(name);
    }
}

void MimeAppsList::renderEntry(Line& line) {
    QByteArray value = line.items.join(QLatin1Char(';')).toUtf8();
    if (line.trailingSeparator) value += ';';
    line.text = line.text.left(line.valueStart) + value;
    if (line.carriageReturn) line.text += '\r';
}

MimeAppsList MimeAppsList::parse(const QByteArray& bytes) {
    MimeAppsList list;
    if (bytes.isEmpty()) return list;
    const QList<QByteArray> texts = bytes.split('\n');
    QString group;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        // A final line break leaves an empty piece after it that is no line.
        if (i == texts.size() - 1 && texts.at(i).isEmpty()) break;
        Line line;
        line.text = texts.at(i);
        line.lineBreak = i < texts.size() - 1;
        parseEntry(line);
        if (line.header) {
            group = line.group;
        } else {
            line.group = group;
        }
        list.m_lines.push_back(std::move(line));
    }
    return list;
}

QByteArray MimeAppsList::bytes() const {
    QByteArray bytes;
    for (const Line& line : m_lines) {
        bytes += line.text;
        if (line.lineBreak) bytes += '\n';
    }
    return bytes;
}

bool MimeAppsList::isEntryOf(const Line& line, const QString& group) const {
    return !line.header && !line.key.isEmpty() && line.group == group;
}

QStringList MimeAppsList::list(const QString& group, const QString& type) const {
    for (const Line& line : m_lines)
        if (isEntryOf(line, group) && sameType(line.key, type)) return line.items;
    return {};
}

void MimeAppsList::setList(const QString& group, const QString& type, const QStringList& items) {
    if (items.isEmpty()) {
        std::erase_if(m_lines,
                      [&](const Line& line) { return isEntryOf(line, group) && sameType(line.key, type); });
        return;
    }
    for (Line& line : m_lines) {
        if (isEntryOf(line, group) && sameType(line.key, type)) {
            line.items = items;
            renderEntry(line);
            return;
        }
    }
    Line added;
    added.group = group;
    added.key = type;
    added.items = items;
    added.text = type.toUtf8() + '=';
    added.valueStart = added.text.size();
    renderEntry(added);

    // After the group's last entry, or right after its header.
    qsizetype at = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(m_lines.size()); ++i) {
        const Line& line = m_lines[static_cast<size_t>(i)];
        if ((line.header && line.group == group && at < 0) || isEntryOf(line, group)) at = i;
    }
    if (at < 0) {
        if (!m_lines.empty()) m_lines.back().lineBreak = true;
        Line header;
        header.header = true;
        header.group = group;
        header.text = '[' + group.toUtf8() + ']';
        m_lines.push_back(std::move(header));
        m_lines.push_back(std::move(added));
        return;
    }
    Line& before = m_lines[static_cast<size_t>(at)];
    added.lineBreak = before.lineBreak;
    before.lineBreak = true;
    m_lines.insert(m_lines.begin() + at + 1, std::move(added));
}

QStringList MimeAppsList::typesNaming(const QString& group, const QString& desktopFile) const {
    QStringList types;
    for (const Line& line : m_lines)
        if (isEntryOf(line, group) && contains(line.items, desktopFile) && !types.contains(line.key))
            types.append(line.key);
    return types;
}

QStringList MimeAppsList::typesLedBy(const QString& group, const QString& desktopFile) const {
    QStringList types;
    for (const Line& line : m_lines)
        if (isEntryOf(line, group) && !line.items.isEmpty() &&
            sameDesktopName(line.items.first(), desktopFile))
            types.append(line.key);
    return types;
}

bool MimeAppsList::removeEverywhere(const QString& desktopFile) {
    bool changed = false;
    std::vector<Line> kept;
    for (Line& line : m_lines) {
        if (!line.header && !line.key.isEmpty() && contains(line.items, desktopFile)) {
            changed = true;
            line.items.removeIf([&](const QString& item) { return sameDesktopName(item, desktopFile); });
            if (line.items.isEmpty()) {
                if (!line.lineBreak && !kept.empty()) kept.back().lineBreak = false;
                continue;
            }
            renderEntry(line);
        }
        kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
    return changed;
}
