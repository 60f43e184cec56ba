#pragma once

#include <vector>

// Takes every file descriptor this process may still open, until release() or the end of the object: what
// the process then tries to open or accept fails with EMFILE.
class ExhaustedDescriptors {
  public:
    ExhaustedDescriptors();
    ~ExhaustedDescriptors() { release(); }
    ExhaustedDescriptors(const ExhaustedDescriptors&) = delete;
    ExhaustedDescriptors& operator=(const ExhaustedDescriptors&) = delete;

    // How many descriptors were taken.
    int count() const { return static_cast<int>(m_taken.size()); }
    void release();

  private:
    std::vector<int> m_taken;
};
