#include "FileListCommand.h"

#include "MF.h"

CommandMode commandModeOf(const QString& text) {
    return filelist::commandModeOf(coreText(text));
}

bool boolParseFileListCommand(const QString& text, FileListCommand& command) {
    const CommandMode mode = commandModeOf(text);
    if (mode == CommandMode::Single) return false;
    const QStringList fields = text.split(kCommandFieldSeparator);
    if (fields.size() < 3) return false;
    bool isNumber = false;
    const int size = fields.at(2).toInt(&isNumber, 10);
    if (!isNumber) return false;
    command.mode = mode;
    command.strBlockName = fields.at(1);
    command.lngBlockSize = size;
    return true;
}

QString strReadFileListBlock(const QString& strBlockName, qint32 lngBlockSize) {
    QString text;
    bool createdHere = false;
    {
        MF block;
        block.setStrFMN(strBlockName);
        block.setLngFS(lngBlockSize);
        // A block that cannot be opened is not read, and one made just now holds nothing: its list is empty.
        if (block.OFM() != MF::kNoHandle && !block.boolCreatedBlock()) text = block.RF();
        createdHere = block.boolCreatedBlock();
        block.CFM();
    }
    // A name no writer created was made just now, zero-filled, and read as empty. That block is the reader's
    // own and goes again, so no stale block stays behind; a writer's block is its writer's to remove.
    if (createdHere) MF::boolRemoveBlock(strBlockName);
    return text;
}

QStringList fileListFromBlockText(const QString& text) {
    if (text.startsWith(kOwnListMark))
        return QStringList{QString()} + text.mid(kOwnListMark.size()).split(QChar(u'\0'), Qt::KeepEmptyParts);
    const qsizetype end = text.indexOf(QChar(u'\0'));
    const QString listText = end < 0 ? text : text.left(end);
    QStringList list{QString()};
    if (!listText.isEmpty()) list += listText.split(kFileListSeparator, Qt::KeepEmptyParts);
    return list;
}

QStringList commandFileList(const QString& text, bool& boolPlay) {
    QString ownBlock;
    return commandFileList(text, boolPlay, ownBlock);
}

QStringList commandFileList(const QString& text, bool& boolPlay, QString& strOwnBlockRead) {
    boolPlay = true;
    strOwnBlockRead.clear();
    if (text.isEmpty()) return {QString()};
    if (commandModeOf(text) == CommandMode::Single) return {QString(), text};
    FileListCommand command;
    if (!boolParseFileListCommand(text, command)) return {QString()};
    boolPlay = command.mode == CommandMode::Play;
    const QString blockText = strReadFileListBlock(command.strBlockName, command.lngBlockSize);
    if (blockText.startsWith(kOwnListMark)) strOwnBlockRead = command.strBlockName;
    return fileListFromBlockText(blockText);
}

QString strFileListCommand(bool boolPlay, const QString& strBlockName, qint32 lngBlockSize) {
    return qtText(filelist::strFileListCommand(boolPlay, coreText(strBlockName), lngBlockSize));
}

bool boolWriteFileListBlock(const QString& name, const QStringList& files, qint32& lngFS, QString& error) {
    std::u16string reason;
    if (filelist::boolWriteFileListBlock(coreText(name), coreTexts(files), lngFS, reason)) return true;
    error = qtText(reason);
    return false;
}

bool boolWriteOwnFileListBlock(const QString& name, const QStringList& files, qint32& lngFS, QString& error) {
    std::u16string reason;
    if (filelist::boolWriteOwnFileListBlock(coreText(name), coreTexts(files), lngFS, reason)) return true;
    error = qtText(reason);
    return false;
}
