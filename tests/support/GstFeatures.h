#pragma once

#include <utility>
#include <vector>

// Whether GStreamer here, in the test process that the GStreamer engine shares, decodes the H.264 and the
// AAC of clip.mp4 (with gstreamer1.0-libav installed).
bool gstreamerDecodesMp4();

// Keeps GStreamer from choosing any decoder of H.264 or AAC while the object lives, as on a machine without
// gstreamer1.0-libav: their ranks are NONE meanwhile. A pipeline made in that time fails on clip.mp4.
class GstWithoutMp4Decoders {
  public:
    GstWithoutMp4Decoders();
    ~GstWithoutMp4Decoders();

  private:
    std::vector<std::pair<void*, unsigned>> m_ranks;
};
