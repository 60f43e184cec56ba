#pragma once

#include <QString>
#include <QtGlobal>
#include <cstddef>

#include "startcore/FileListBlockWriter.h"

// One named file-list block in the user's shared memory ("/" + strFMN under POSIX shm), used by one reader
// or one writer: set strFMN and lngFS, then OFM, MFV, RF or WF, UFV, CFM.
//
// OFM opens the block, creating it with lngFS zero bytes when nobody has (a name nobody created thus reads
// as an empty list). A block this object creates is the user's alone (mode 0600). RF and WF go through the
// block's descriptor, not through a view: the block belongs to its writer, who may shrink it at any moment,
// and memory of a mapping that the block no longer backs kills whoever touches it.
class MF {
  public:
    // The handle OFM answers when the block cannot be opened; descriptors of opened blocks are never 0.
    static constexpr int kNoHandle = 0;
    // Larger sizes are refused: a command line names the size, and nobody hands over 64 MiB of paths.
    static constexpr qint32 kMaxBlockSize = filelist::kMaxBlockSize;

    MF() = default;
    ~MF();
    MF(const MF&) = delete;
    MF& operator=(const MF&) = delete;

    const QString& strFMN() const { return m_strFMN; }
    void setStrFMN(const QString& value) { m_strFMN = value; }
    qint32 lngFS() const { return m_lngFS; }
    void setLngFS(qint32 value) { m_lngFS = value; }

    // Opens or creates the block; answers its descriptor, kNoHandle on failure (bad name, a missing block
    // with a size of 0, a negative size or one above kMaxBlockSize, or the system refusing).
    int OFM();
    // Maps the whole block (at most kMaxBlockSize bytes) for reading and writing; nullptr on failure. Only
    // for a block whose size nobody else changes: RF and WF do not need it.
    void* MFV();
    // The block's first min(lngFS, real size) bytes as UTF-16LE text (an odd last byte is dropped), as they
    // are when read: a block shrunk meanwhile yields what it still holds. Empty without an open block or for
    // a size that is negative or above kMaxBlockSize.
    QString RF() const;
    // Writes the text's UTF-16LE code units to the start of the block, as many whole units as its real size
    // holds; answers the number of bytes written.
    qint64 WF(const QString& text);
    bool UFV();
    bool CFM();

    // True when OFM made the block rather than finding it.
    bool boolCreatedBlock() const { return m_boolCreated; }
    // Bytes the view covers; 0 without a view.
    std::size_t viewSize() const { return m_viewSize; }

    // Removes the block's name; mappings still open keep their memory until they end.
    static bool boolRemoveBlock(const QString& name);
    // Whether a block of that name is there (one that cannot be opened for another reason counts as there).
    static bool boolBlockExists(const QString& name);
    // A name shm can hold as a single component: not empty, no "/" or NUL, not "." or "..", short enough.
    static bool boolValidName(const QString& name);

  private:
    QString m_strFMN;
    qint32 m_lngFS = 0;
    int m_lngMapHandle = kNoHandle;
    void* m_lngViewAddress = nullptr;
    std::size_t m_viewSize = 0;
    bool m_boolCreated = false;
};
