#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

// GStreamer's decoders in the test process, which the GStreamer engine shares.
namespace gstfeatures {
// Whether GStreamer here has a decoder for the media type, e.g. "video/x-h264" (with gstreamer1.0-libav).
bool decodes(const char* mediaType);
}  // namespace gstfeatures

// Keeps GStreamer from choosing any decoder of these media types while the object lives, as on a machine
// without them: their ranks are NONE meanwhile. A pipeline made in that time plays as it would there.
class HiddenGstDecoders {
  public:
    explicit HiddenGstDecoders(std::initializer_list<const char*> mediaTypes);
    ~HiddenGstDecoders();
    HiddenGstDecoders(const HiddenGstDecoders&) = delete;
    HiddenGstDecoders& operator=(const HiddenGstDecoders&) = delete;

  private:
    std::vector<std::pair<void*, unsigned>> m_ranks;
};
