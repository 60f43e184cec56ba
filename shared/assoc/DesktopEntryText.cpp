#include "DesktopEntryText.h"

namespace desktop_entry {

std::map<QString, Group> parseGroups(const QByteArray& bytes) {
    std::map<QString, Group> groups;
    Group* current = nullptr;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            current = &groups[QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2))];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (current == nullptr || equals <= 0) continue;
        const QString key = QString::fromUtf8(line.left(equals).trimmed());
        if (!key.isEmpty() && current->find(key) == current->end())
            current->emplace(key, QString::fromUtf8(line.mid(equals + 1).trimmed()));
    }
    return groups;
}

QString unescapeValue(const QString& raw) {
    QString value;
    value.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 == raw.size()) {
            value += c;
            continue;
        }
        const QChar next = raw.at(++i);
        switch (next.unicode()) {
            case 's':
                value += QLatin1Char(' ');
                break;
            case 'n':
                value += QLatin1Char('\n');
                break;
            case 't':
                value += QLatin1Char('\t');
                break;
            case 'r':
                value += QLatin1Char('\r');
                break;
            case '\\':
                value += QLatin1Char('\\');
                break;
            default:
                value += c;
                value += next;
        }
    }
    return value;
}

QString escapeValue(const QString& value) {
    QString raw;
    raw.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        switch (c.unicode()) {
            case '\\':
                raw += QLatin1String("\\\\");
                break;
            case '\n':
                raw += QLatin1String("\\n");
                break;
            case '\t':
                raw += QLatin1String("\\t");
                break;
            case '\r':
                raw += QLatin1String("\\r");
                break;
            case ' ':
                // Leading blanks would be trimmed away when read.
                raw += i == 0 ? QLatin1String("\\s") : QLatin1String(" ");
                break;
            default:
                raw += c;
        }
    }
    return raw;
}

QStringList splitList(const QString& raw) {
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('\\') && i + 1 < raw.size() && raw.at(i + 1) == QLatin1Char(';')) {
            item += QLatin1Char(';');
            ++i;
        } else if (c == QLatin1Char(';')) {
            if (!item.isEmpty()) items.append(unescapeValue(item));
            item.clear();
        } else {
            item += c;
        }
    }
    if (!item.isEmpty()) items.append(unescapeValue(item));
    return items;
}

namespace {
// The characters the Desktop Entry rules reserve: an argument holding one must be quoted.
bool needsQuotes(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : argument)
        if (reserved.contains(c)) return true;
    return argument.isEmpty();
}
}  // namespace

QString execValue(const QString& program, const QString& arguments) {
    // A plain path goes unquoted: the desktop's simpler openers (xdg-open without a desktop environment)
    // take the first word of Exec= as it stands.
    if (!needsQuotes(program)) {
        QString plain = program;
        plain.replace(QLatin1Char('%'), QLatin1String("%%"));
        return escapeValue(arguments.isEmpty() ? plain : plain + QLatin1Char(' ') + arguments);
    }
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return escapeValue(arguments.isEmpty() ? quoted : quoted + QLatin1Char(' ') + arguments);
}

bool programOfExec(const QString& raw, QString& program) {
    const QString command = unescapeValue(raw);
    program.clear();
    qsizetype i = 0;
    while (i < command.size() && command.at(i).isSpace()) ++i;
    if (i == command.size()) return false;
    bool quoted = false;
    for (; i < command.size(); ++i) {
        const QChar c = command.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < command.size()) {
                program += command.at(++i);
            } else {
                program += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c.isSpace()) {
            break;
        } else {
            program += c;
        }
    }
    if (quoted) return false;
    program.replace(QLatin1String("%%"), QLatin1String("%"));
    return true;
}

}  // namespace desktop_entry
