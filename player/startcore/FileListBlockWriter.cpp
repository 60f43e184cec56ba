#include "FileListBlockWriter.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "basecore/FileSystemNames.h"

namespace {
std::u16string quoted(std::u16string_view name) {
    return u"\"" + std::u16string(name) + u"\"";
}

std::u16string systemError(int error) {
    return basecore::strFromFileSystemBytes(std::strerror(error));
}

std::u16string joined(const std::vector<std::u16string>& files, std::u16string_view separator) {
    std::u16string text;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0) text += separator;
        text += files[i];
    }
    return text;
}

// Writes the text's UTF-16LE code units to the start of the block.
bool boolWriteUnits(int fd, std::u16string_view text) {
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool boolWriteBlockText(std::u16string_view name, std::u16string_view text, std::int32_t& lngFS,
                        std::u16string& error) {
    if (!filelist::boolValidBlockName(name)) {
        error = quoted(name) + u" cannot name a block";
        return false;
    }
    if (text.empty()) {
        error = u"no files to hand over";
        return false;
    }
    if (text.size() > filelist::kMaxBlockSize / 2) {
        error = u"the file list is larger than a block may be";
        return false;
    }
    const auto size = static_cast<std::int32_t>(text.size() * 2);
    const std::string shmName = filelist::shmNameOf(name);
    const int fd = ::shm_open(shmName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        int reason = errno;
        // Someone else's block is not overwritten: its reader may still be coming.
        if (reason == EEXIST) {
            const int existing = ::shm_open(shmName.c_str(), O_RDWR | O_CLOEXEC, 0);
            if (existing >= 0) {
                ::close(existing);
                error = u"the block " + quoted(name) + u" exists already";
                return false;
            }
            reason = errno;
        }
        error = u"cannot create the block " + quoted(name) + u": " + systemError(reason);
        return false;
    }
    // fchmod makes the mode 0600 whatever the process's umask left of it.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0 || ::ftruncate(fd, size) != 0) {
        const int reason = errno;
        ::shm_unlink(shmName.c_str());
        ::close(fd);
        error = u"cannot create the block " + quoted(name) + u": " + systemError(reason);
        return false;
    }
    const bool written = boolWriteUnits(fd, text);
    ::close(fd);
    if (!written) {
        error = u"cannot write the block " + quoted(name);
        ::shm_unlink(shmName.c_str());
        return false;
    }
    lngFS = size;
    return true;
}
}  // namespace

namespace filelist {

CommandMode commandModeOf(std::u16string_view text) {
    if (text.starts_with(kPlayCommandPrefix)) return CommandMode::Play;
    if (text.starts_with(kAddCommandPrefix)) return CommandMode::Add;
    return CommandMode::Single;
}

std::u16string strFileListCommand(bool boolPlay, std::u16string_view strBlockName,
                                  std::int32_t lngBlockSize) {
    const std::string size = std::to_string(lngBlockSize);
    std::u16string command(boolPlay ? kPlayCommandPrefix : kAddCommandPrefix);
    command += kCommandFieldSeparator;
    command += strBlockName;
    command += kCommandFieldSeparator;
    command.append(size.begin(), size.end());
    return command;
}

bool boolValidBlockName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") return false;
    if (name.find(u'/') != name.npos || name.find(u'\0') != name.npos) return false;
    // shm_open takes names shorter than NAME_MAX bytes, counting the terminating NUL.
    return basecore::bytesForFileSystem(name).size() + 1 < NAME_MAX;
}

std::string shmNameOf(std::u16string_view name) {
    return "/" + basecore::bytesForFileSystem(name);
}

bool boolRemoveBlock(std::u16string_view name) {
    return boolValidBlockName(name) && ::shm_unlink(shmNameOf(name).c_str()) == 0;
}

bool boolWriteFileListBlock(std::u16string_view name, const std::vector<std::u16string>& files,
                            std::int32_t& lngFS, std::u16string& error) {
    return boolWriteBlockText(name, joined(files, kFileListSeparator), lngFS, error);
}

bool boolWriteOwnFileListBlock(std::u16string_view name, const std::vector<std::u16string>& files,
                               std::int32_t& lngFS, std::u16string& error) {
    if (files.empty()) {
        error = u"no files to hand over";
        return false;
    }
    if (std::any_of(files.begin(), files.end(),
                    [](const std::u16string& file) { return file.find(u'\0') != file.npos; })) {
        error = u"a file name holds a NUL character";
        return false;
    }
    return boolWriteBlockText(
        name, std::u16string(kOwnListMark) + joined(files, std::u16string_view(u"\0", 1)), lngFS, error);
}

}  // namespace filelist
