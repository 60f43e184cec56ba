#pragma once

#include <sys/types.h>
#include <QString>

// A file-list block of `size` bytes that a process of its own empties and fills again without pause, the way
// a careless or hostile writer might, for as long as this object lives. The block goes with the object.
class ShrinkingBlock {
  public:
    ShrinkingBlock(const QString& name, qint64 size);
    ~ShrinkingBlock();
    ShrinkingBlock(const ShrinkingBlock&) = delete;
    ShrinkingBlock& operator=(const ShrinkingBlock&) = delete;

    // True once the block exists and its writer runs.
    bool running() const { return m_writer > 0; }

  private:
    QString m_name;
    pid_t m_writer = -1;
    bool m_created = false;
};
