#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A mimeapps.list kept line by line, so that changing one MIME type's list leaves every other byte of the
// file as it was: comments, blank lines, other groups, other types and their spelling. A list's items are
// desktop-file names ("vlc.desktop"); a rewritten line keeps its own style (spaces around "=", a trailing
// ";" or none). Any bytes parse: lines that are neither groups nor "key=value" are kept and ignored.
class MimeAppsList {
  public:
    static constexpr const char* kDefaultGroup = "Default Applications";

    static MimeAppsList parse(const QByteArray& bytes);
    QByteArray bytes() const;

    // The type's list in the first line that names it within the group (MIME types match ignoring case);
    // empty when there is none.
    QStringList list(const QString& group, const QString& type) const;
    // Replaces the type's list; an empty list removes the type's lines from the group. A new line goes
    // after the group's last entry, a missing group at the end of the file.
    void setList(const QString& group, const QString& type, const QStringList& items);
    // The types whose list in the group names the desktop file (ignoring case), at any position.
    QStringList typesNaming(const QString& group, const QString& desktopFile) const;
    // The types whose list in the group begins with the desktop file.
    QStringList typesLedBy(const QString& group, const QString& desktopFile) const;
    // Takes the desktop file out of every list of every group and drops the lines left empty; true when
    // anything changed.
    bool removeEverywhere(const QString& desktopFile);

  private:
    struct Line {
        QByteArray text;  // without the line break
        bool lineBreak = true;
        QString group;  // the group the line belongs to (for a header: its own name)
        bool header = false;
        QString key;  // empty when the line is no entry
        QStringList items;
        qsizetype valueStart = 0;  // where the value begins in text
        bool trailingSeparator = true;
        bool carriageReturn = false;
    };
    static void parseEntry(Line& line);
    static void renderEntry(Line& line);
    bool isEntryOf(const Line& line, const QString& group) const;

    std::vector<Line> m_lines;
};

// Item comparisons of desktop-file names and ids ignore case, as the association keys do.
bool sameDesktopName(const QString& a, const QString& b);
