#pragma once

#include <QString>
#include <QStringList>

// What a start of the player is asked to do by its arguments, in Qt's terms: the rules themselves are
// startcore/StartRequest.h, which the program's start runs without Qt.
struct StartRequest {
    enum class Action { Start, PrintUsage, PrintVersion };
    Action action = Action::Start;
    // The command line for Main: empty, a "DMenuF_" form, or one path, made absolute when it names
    // something here. Several words that together name an existing file are that one path, so paths with
    // blanks arrive whole however they were quoted.
    QString strCommandLine;
    // Several files or addresses given as separate arguments: all are added in order and the first plays.
    QStringList files;
    // Arguments among several that name neither a file nor an address.
    QStringList notFound;
};

// Reads the arguments (without the program) against the folder they were given in, both as the player's
// texts for file-system bytes (base/FileSystemNames.h). "--help"/"-h" and "--version" ask for the usage or
// the version, unless a file of that name exists.
StartRequest startRequestOf(const QStringList& arguments, const QString& workingFolder);

// The arguments without the options that QApplication takes out of them for itself (Qt's own command-line
// options: "-platform xcb", "-style=fusion", "--display :1"...), for a start that hands over without making
// one: its files are the ones a start that becomes the player reads.
QStringList withoutToolkitOptions(const QStringList& arguments);

// The texts "--help" and "--version" print.
QString strUsageText();
QString strVersionText();
