#pragma once

#include <gst/gst.h>

#include <qwindowdefs.h>
#include <QByteArray>
#include <QObject>
#include <QRect>
#include <QString>
#include <atomic>
#include <functional>

// One playbin with an explicit video sink that draws into a foreign native window and takes no input, and
// an audio sink chosen from the environment. Bus messages are taken in a sync handler on whatever thread
// posts them and handed to the Qt thread as queued calls; messages posted before the pipeline last went
// down to READY or NULL are dropped there, so nothing of an earlier file or run arrives late.
class PlaybinPipeline : public QObject {
    Q_OBJECT
  public:
    explicit PlaybinPipeline(QObject* parent = nullptr);
    ~PlaybinPipeline() override;

    bool isValid() const { return m_playbin != nullptr; }

    void setUri(const QByteArray& uri);
    // Target state. NULL and READY return when the pipeline is down; a failed change is reported as failed().
    void setState(GstState state);
    // The state the pipeline has settled in; GST_STATE_VOID_PENDING while a change is under way or failed.
    GstState settledState() const;

    bool queryPosition(double& seconds) const;
    bool queryDuration(double& seconds) const;
    bool seek(double seconds);

    double linearVolume() const;
    void setLinearVolume(double volume);
    bool mute() const;
    void setMute(bool mute);

    // The video sink's element name ("ximagesink0"), and how often it has opened its connection to the
    // display (gone from NULL to READY).
    QString videoSinkName() const;
    int videoOutputsOpened() const { return m_videoOutputsOpened.load(); }

    void setWindowHandle(WId window);
    void setRenderRectangle(const QRect& rect);
    // Whether the sink scales the picture to its window; ximagesink draws frames at their size, and the
    // converter before it makes them the size the sink asks for.
    bool scalesVideoItself() const;
    // Frames from now on are made the size of the window.
    void askForFramesOfTheWindowSize();
    void expose();

  signals:
    void stateChanged();
    void endOfStream();
    void failed(const QString& message);
    void durationChanged();

  private:
    static GstBusSyncReply onBusMessage(GstBus* bus, GstMessage* message, gpointer self);
    void deliverLater(std::function<void()> call);
    void handle(GstMessage* message);

    GstElement* m_playbin = nullptr;
    GstElement* m_videoSink = nullptr;
    std::atomic<WId> m_windowHandle{0};
    std::atomic<int> m_generation{0};
    std::atomic<int> m_videoOutputsOpened{0};
};
