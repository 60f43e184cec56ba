#include "PlaybinPipeline.h"

#include <gst/video/videooverlay.h>

#include <memory>
#include <vector>

#include "GStreamerLogging.h"
#include "engines/api/EnginePlugin.h"
#include "platform/VideoDrawing.h"

Q_LOGGING_CATEGORY(lcGStreamerEngine, "kestrune.engine.gstreamer")

namespace {
// The cheapest sink that draws right on this display, with the ones after it for a machine without its
// plugin: glimagesink on a graphics card, xvimagesink where the X server scales through XVideo, and else
// ximagesink, whose plain X11 images playbin's converter scales to the window (glimagesink on a software
// renderer costs several times its CPU).
std::vector<const char*> videoSinkFactories() {
    switch (videoDrawing()) {
        case VideoDrawing::Gpu:
            return {"glimagesink", "xvimagesink", "ximagesink"};
        case VideoDrawing::XVideo:
            return {"xvimagesink", "ximagesink"};
        case VideoDrawing::X11:
            break;
    }
    return {"ximagesink", "glimagesink"};
}

GstElement* makeVideoSink() {
    for (const char* factory : videoSinkFactories()) {
        if (GstElement* sink = gst_element_factory_make(factory, nullptr)) {
            g_object_set(sink, "force-aspect-ratio", TRUE, nullptr);
            gst_video_overlay_handle_events(GST_VIDEO_OVERLAY(sink), FALSE);
            qCInfo(lcGStreamerEngine) << "draws the video with" << factory;
            return sink;
        }
    }
    return nullptr;
}

// A pipeline's warnings and errors go to the log as they are posted, whatever becomes of them later.
void logProblem(GstMessage* message) {
    const bool isError = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
    GError* error = nullptr;
    gchar* debug = nullptr;
    if (isError) {
        gst_message_parse_error(message, &error, &debug);
    } else {
        gst_message_parse_warning(message, &error, &debug);
    }
    qCWarning(lcGStreamerEngine).noquote()
        << (isError ? "error from" : "warning from") << GST_MESSAGE_SRC_NAME(message) << "-"
        << QString::fromUtf8(error ? error->message : "no text")
        << (debug ? QString::fromUtf8(debug) : QString());
    g_clear_error(&error);
    g_free(debug);
}

// Null output for machines without a sound device; it keeps time like a real device, so audio-only
// media still play for their length.
GstElement* makeAudioSink() {
    if (qgetenv(kAudioOutputVariable) != "null") return nullptr;
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    if (sink) g_object_set(sink, "sync", TRUE, nullptr);
    return sink;
}
}  // namespace

PlaybinPipeline::PlaybinPipeline(QObject* parent) : QObject(parent) {
    m_playbin = gst_element_factory_make("playbin", nullptr);
    if (!m_playbin) return;
    gst_object_ref_sink(m_playbin);
    if ((m_videoSink = makeVideoSink())) {
        gst_object_ref_sink(m_videoSink);
        g_object_set(m_playbin, "video-sink", m_videoSink, nullptr);
    }
    if (GstElement* audioSink = makeAudioSink()) g_object_set(m_playbin, "audio-sink", audioSink, nullptr);
    GstBus* bus = gst_element_get_bus(m_playbin);
    gst_bus_set_sync_handler(bus, &PlaybinPipeline::onBusMessage, this, nullptr);
    gst_object_unref(bus);
}

PlaybinPipeline::~PlaybinPipeline() {
    if (!m_playbin) return;
    gst_element_set_state(m_playbin, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(m_playbin);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    if (m_videoSink) gst_object_unref(m_videoSink);
    gst_object_unref(m_playbin);
}

void PlaybinPipeline::setUri(const QByteArray& uri) {
    if (m_playbin) g_object_set(m_playbin, "uri", uri.constData(), nullptr);
}

void PlaybinPipeline::setState(GstState state) {
    if (!m_playbin) {
        if (state > GST_STATE_READY) {
            deliverLater([this] { emit failed(QStringLiteral("GStreamer has no playbin element")); });
        }
        return;
    }
    const GstStateChangeReturn result = gst_element_set_state(m_playbin, state);
    if (state <= GST_STATE_READY) {
        ++m_generation;
    } else if (result == GST_STATE_CHANGE_FAILURE) {
        deliverLater([this] { emit failed(QStringLiteral("the pipeline refused to start")); });
    }
}

GstState PlaybinPipeline::settledState() const {
    if (!m_playbin) return GST_STATE_VOID_PENDING;
    GstState current = GST_STATE_VOID_PENDING;
    const GstStateChangeReturn result = gst_element_get_state(m_playbin, &current, nullptr, 0);
    const bool settled = result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL;
    return settled ? current : GST_STATE_VOID_PENDING;
}

bool PlaybinPipeline::queryPosition(double& seconds) const {
    gint64 position = 0;
    if (!m_playbin || !gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) || position < 0) {
        return false;
    }
    seconds = static_cast<double>(position) / GST_SECOND;
    return true;
}

bool PlaybinPipeline::queryDuration(double& seconds) const {
    gint64 duration = 0;
    if (!m_playbin || !gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) || duration <= 0) {
        return false;
    }
    seconds = static_cast<double>(duration) / GST_SECOND;
    return true;
}

// Accurate rather than to the nearest key frame: a short clip may have a single key frame at its start.
bool PlaybinPipeline::seek(double seconds) {
    if (!m_playbin) return false;
    const auto position = static_cast<gint64>(seconds * GST_SECOND);
    return gst_element_seek_simple(m_playbin, GST_FORMAT_TIME,
                                   static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                   position);
}

double PlaybinPipeline::linearVolume() const {
    gdouble volume = 0;
    if (m_playbin) g_object_get(m_playbin, "volume", &volume, nullptr);
    return volume;
}

void PlaybinPipeline::setLinearVolume(double volume) {
    if (m_playbin) g_object_set(m_playbin, "volume", volume, nullptr);
}

bool PlaybinPipeline::mute() const {
    gboolean mute = FALSE;
    if (m_playbin) g_object_get(m_playbin, "mute", &mute, nullptr);
    return mute;
}

void PlaybinPipeline::setMute(bool mute) {
    if (m_playbin) g_object_set(m_playbin, "mute", mute ? TRUE : FALSE, nullptr);
}

// A sink that draws moves to the new window at once; one that does not yet asks for the window when it
// needs one (ximagesink given a window would open the display and watch the window even while down).
void PlaybinPipeline::setWindowHandle(WId window) {
    m_windowHandle = window;
    GstState current = GST_STATE_NULL;
    if (m_playbin) gst_element_get_state(m_playbin, &current, nullptr, 0);
    if (m_videoSink && current >= GST_STATE_PAUSED)
        gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(m_videoSink), window);
}

bool PlaybinPipeline::scalesVideoItself() const {
    GstElementFactory* factory = m_videoSink ? gst_element_get_factory(m_videoSink) : nullptr;
    return !factory || qstrcmp(GST_OBJECT_NAME(factory), "ximagesink") != 0;
}

// ximagesink asks for frames of its window's size: a new size takes a new negotiation upstream.
void PlaybinPipeline::askForFramesOfTheWindowSize() {
    if (scalesVideoItself()) return;
    if (GstPad* pad = gst_element_get_static_pad(m_videoSink, "sink")) {
        gst_pad_push_event(pad, gst_event_new_reconfigure());
        gst_object_unref(pad);
    }
}

QString PlaybinPipeline::videoSinkName() const {
    return m_videoSink ? QString::fromUtf8(GST_ELEMENT_NAME(m_videoSink)) : QString();
}

void PlaybinPipeline::setRenderRectangle(const QRect& rect) {
    if (!m_videoSink || rect.isEmpty()) return;
    gst_video_overlay_set_render_rectangle(GST_VIDEO_OVERLAY(m_videoSink), rect.x(), rect.y(), rect.width(),
                                           rect.height());
}

void PlaybinPipeline::expose() {
    if (m_videoSink) gst_video_overlay_expose(GST_VIDEO_OVERLAY(m_videoSink));
}

// Runs on the posting thread: a streaming thread, the GL thread, or the Qt thread inside a state change.
GstBusSyncReply PlaybinPipeline::onBusMessage(GstBus*, GstMessage* message, gpointer data) {
    auto* self = static_cast<PlaybinPipeline*>(data);
    if (gst_is_video_overlay_prepare_window_handle_message(message)) {
        // A sink inside the pipeline asks for its window: it gets ours, never one of its own.
        if (const WId window = self->m_windowHandle.load()) {
            gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(GST_MESSAGE_SRC(message)), window);
        }
        return GST_BUS_DROP;
    }
    const GstMessageType type = GST_MESSAGE_TYPE(message);
    if (type == GST_MESSAGE_STATE_CHANGED && GST_MESSAGE_SRC(message) == GST_OBJECT(self->m_videoSink)) {
        GstState from = GST_STATE_VOID_PENDING, to = GST_STATE_VOID_PENDING;
        gst_message_parse_state_changed(message, &from, &to, nullptr);
        if (from == GST_STATE_NULL && to == GST_STATE_READY) ++self->m_videoOutputsOpened;
    }
    if (type == GST_MESSAGE_WARNING || type == GST_MESSAGE_ERROR) logProblem(message);
    switch (type) {
        case GST_MESSAGE_STATE_CHANGED:
            if (GST_MESSAGE_SRC(message) != GST_OBJECT(self->m_playbin)) break;
            [[fallthrough]];
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_ERROR:
        case GST_MESSAGE_DURATION_CHANGED: {
            std::shared_ptr<GstMessage> held(gst_message_ref(message), &gst_message_unref);
            self->deliverLater([self, held] { self->handle(held.get()); });
            break;
        }
        default:
            break;
    }
    return GST_BUS_DROP;
}

void PlaybinPipeline::deliverLater(std::function<void()> call) {
    const int generation = m_generation.load();
    QMetaObject::invokeMethod(
        this,
        [this, generation, call = std::move(call)] {
            if (generation == m_generation.load()) call();
        },
        Qt::QueuedConnection);
}

void PlaybinPipeline::handle(GstMessage* message) {
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_STATE_CHANGED:
            emit stateChanged();
            break;
        case GST_MESSAGE_EOS:
            emit endOfStream();
            break;
        case GST_MESSAGE_DURATION_CHANGED:
            emit durationChanged();
            break;
        case GST_MESSAGE_ERROR: {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            const QString text = QString::fromUtf8(error ? error->message : "unknown error");
            g_clear_error(&error);
            emit failed(text);
            break;
        }
        default:
            break;
    }
}
