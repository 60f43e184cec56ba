// The command-line forms a player is handed, as UTF-8 text: the mode, the "DMenuF_" fields and the list
// they name. A block the text names is read for real (the reader removes what it made itself).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "handover/FileListCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CommandMode mode = commandModeOf(text);
    FileListCommand command;
    const bool parsed = boolParseFileListCommand(text, command);
    if (parsed && (mode == CommandMode::Single || command.mode != mode)) std::abort();

    bool play = false;
    const QStringList list = commandFileList(text, play);
    if (list.isEmpty() || !list.first().isEmpty()) std::abort();
    if (mode == CommandMode::Single && !text.isEmpty() && (list != QStringList{QString(), text} || !play))
        std::abort();
    if (mode != CommandMode::Single && !parsed && list.size() != 1) std::abort();

    if (fileListFromBlockText(text).first() != QString()) std::abort();
    return 0;
}
