#include "RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "FileSystemNames.h"

namespace {
// A folder (not a link) that this user owns and nobody else may enter.
bool boolPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 07777) == S_IRWXU;
}

std::u16string environmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? basecore::strFromFileSystemBytes(value) : std::u16string();
}

// TMPDIR, or /tmp, cleaned and with its links resolved; empty when it does not exist.
std::u16string temporaryFolder() {
    std::u16string folder = environmentText("TMPDIR");
    if (folder.empty()) folder = u"/tmp";
    const std::unique_ptr<char, decltype(&std::free)> real(
        ::realpath(basecore::bytesForFileSystem(basecore::strCleanPath(folder)).c_str(), nullptr),
        &std::free);
    return real ? basecore::strFromFileSystemBytes(real.get()) : std::u16string();
}

std::u16string decimal(unsigned value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}
}  // namespace

namespace basecore {

std::u16string strPrivateRuntimeFolder(std::u16string* strRejected) {
    const std::u16string runtime = strCleanPath(environmentText("XDG_RUNTIME_DIR"));
    if (!runtime.empty() && runtime.front() == u'/' && boolPrivateFolder(bytesForFileSystem(runtime)))
        return runtime;

    const std::u16string folder = temporaryFolder() + u"/kestrune-" + decimal(::geteuid());
    const std::string path = bytesForFileSystem(folder);
    // Made here: its mode is set whatever the umask left of it.
    if (::mkdir(path.c_str(), S_IRWXU) == 0) ::chmod(path.c_str(), S_IRWXU);
    if (boolPrivateFolder(path)) return folder;
    if (strRejected) *strRejected = folder;
    return {};
}

}  // namespace basecore
