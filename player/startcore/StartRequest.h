#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a start of the player is asked to do by its arguments, worked out by the starting process, which
// alone knows the folder the user started it from. Texts are the player's texts for file-system bytes
// (basecore/FileSystemNames.h), as UTF-16 code units.
namespace startcore {

struct StartRequest {
    enum class Action { Start, PrintUsage, PrintVersion };
    Action action = Action::Start;
    // The command line for Main: empty, a "DMenuF_" form, or one path, made absolute when it names
    // something here. Several words that together name an existing file are that one path, so paths with
    // blanks arrive whole however they were quoted.
    std::u16string strCommandLine;
    // Several files or addresses given as separate arguments: all are added in order and the first plays.
    std::vector<std::u16string> files;
    // Arguments among several that name neither a file nor an address.
    std::vector<std::u16string> notFound;
};

// Reads the arguments (without the program) against the folder they were given in. "--help"/"-h" and
// "--version" ask for the usage or the version, unless a file of that name exists.
StartRequest startRequestOf(const std::vector<std::u16string>& arguments, std::u16string_view workingFolder);

// The arguments without the options that QApplication takes out of them for itself (Qt's own command-line
// options: "-platform xcb", "-style=fusion", "--display :1"...), for a start that hands over without making
// one: its files are the ones a start that becomes the player reads.
std::vector<std::u16string> withoutToolkitOptions(const std::vector<std::u16string>& arguments);

// The texts "--help" and "--version" print.
std::u16string strUsageText();
std::u16string strVersionText();

}  // namespace startcore
