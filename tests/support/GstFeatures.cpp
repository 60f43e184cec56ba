#include "GstFeatures.h"

#include <gst/gst.h>

namespace {
constexpr const char* kMp4MediaTypes[] = {"video/x-h264", "audio/mpeg"};

// The decoders that take the media type, whatever their rank.
GList* decodersOf(const char* mediaType) {
    if (!gst_is_initialized()) gst_init(nullptr, nullptr);
    GList* all = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_NONE);
    GstCaps* caps = gst_caps_new_empty_simple(mediaType);
    GList* decoders = gst_element_factory_list_filter(all, caps, GST_PAD_SINK, FALSE);
    gst_caps_unref(caps);
    gst_plugin_feature_list_free(all);
    return decoders;
}
}  // namespace

bool gstreamerDecodesMp4() {
    bool all = true;
    for (const char* mediaType : kMp4MediaTypes) {
        GList* decoders = decodersOf(mediaType);
        bool any = false;
        for (GList* item = decoders; item; item = item->next)
            any = any || gst_plugin_feature_get_rank(GST_PLUGIN_FEATURE(item->data)) >= GST_RANK_MARGINAL;
        gst_plugin_feature_list_free(decoders);
        all = all && any;
    }
    return all;
}

GstWithoutMp4Decoders::GstWithoutMp4Decoders() {
    for (const char* mediaType : kMp4MediaTypes) {
        GList* decoders = decodersOf(mediaType);
        for (GList* item = decoders; item; item = item->next) {
            auto* feature = GST_PLUGIN_FEATURE(gst_object_ref(item->data));
            m_ranks.emplace_back(feature, gst_plugin_feature_get_rank(feature));
            gst_plugin_feature_set_rank(feature, GST_RANK_NONE);
        }
        gst_plugin_feature_list_free(decoders);
    }
}

// Put back in reverse, so that a decoder of both media types gets its own rank again.
GstWithoutMp4Decoders::~GstWithoutMp4Decoders() {
    for (auto it = m_ranks.rbegin(); it != m_ranks.rend(); ++it) {
        gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(it->first), it->second);
        gst_object_unref(it->first);
    }
}
