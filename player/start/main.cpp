// Brandock, the player: the start. Whether a player runs already is settled before any window or display is
// needed; a start that only hands its files over ends here, having loaded nothing but the C++ library.
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "PlayerLibrary.h"
#include "basecore/FileSystemNames.h"
#include "startcore/HandOver.h"
#include "startcore/InstanceLock.h"
#include "startcore/StartFiles.h"
#include "startcore/StartRequest.h"

namespace {
// --help and --version answer on the terminal, before anything needs a display.
bool boolAnsweredOnTheTerminal(int argc, char* argv[]) {
    using startcore::StartRequest;
    if (argc != 2) return false;
    const StartRequest request =
        startcore::startRequestOf(startcore::argumentsOf(argc, argv), basecore::strCurrentFolder());
    if (request.action == StartRequest::Action::Start) return false;
    startcore::printText(stdout, request.action == StartRequest::Action::PrintUsage
                                     ? startcore::strUsageText()
                                     : startcore::strVersionText());
    return true;
}

// The folder of the program's own file, links resolved.
std::string programFolder() {
    std::string path(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/'));
}

// The player library's entry, or nothing with the reason on the terminal. It is never unloaded: the process
// ends with the player.
playerlibrary::Entry playerEntry() {
    const std::string path = programFolder() + '/' + playerlibrary::kFileName;
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = library ? ::dlsym(library, playerlibrary::kEntryName) : nullptr;
    if (!entry) std::fprintf(stderr, "brandock: the player cannot be loaded: %s\n", ::dlerror());
    return reinterpret_cast<playerlibrary::Entry>(entry);
}
}  // namespace

int main(int argc, char* argv[]) {
    if (boolAnsweredOnTheTerminal(argc, argv)) return 0;
    // The lock stays held from here into the player, so two first starts can never both become the player.
    InstanceLock instanceLock;
    if (!instanceLock.boolAcquire()) {
        const StartFiles files(startcore::withoutToolkitOptions(startcore::argumentsOf(argc, argv)));
        handover::handOverToRunningPlayer(files.strCommandLine());
        return 0;
    }
    const playerlibrary::Entry runPlayer = playerEntry();
    return runPlayer ? runPlayer(argc, argv, &instanceLock) : 1;
}
