#include "StartFiles.h"

#include "StartRequest.h"
#include "basecore/FileSystemNames.h"

StartFiles::StartFiles(const std::vector<std::u16string>& arguments) {
    startcore::StartRequest request = startcore::startRequestOf(arguments, basecore::strCurrentFolder());
    for (const std::u16string& missing : request.notFound)
        startcore::printText(stderr, u"brandock: 找不到文件: " + missing + u"\n");
    m_strCommandLine = std::move(request.strCommandLine);
    std::u16string error;
    if (!request.files.empty() && !m_block.boolWrite(request.files, m_strCommandLine, error))
        startcore::printText(stderr, u"brandock: " + error + u"\n");
}

namespace startcore {

std::vector<std::u16string> argumentsOf(int argc, char* argv[]) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(basecore::strFromFileSystemBytes(argv[i]));
    return arguments;
}

void printText(std::FILE* stream, std::u16string_view text) {
    std::fputs(basecore::bytesForFileSystem(text).c_str(), stream);
}

}  // namespace startcore
