#pragma once

#include <mpv/client.h>

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <memory>

// One libmpv player instance, initialised to play inside a window it is given: no window, input handling,
// pointer hiding, screen-saver control or terminal output of its own, and no video output until it is given
// a window. Destroying it ends the instance and
// joins all of its threads.
class MpvHandle {
  public:
    // The video outputs to try, in order, for a window of the player's: the cheapest that draws right on
    // this display.
    static const char* videoOutput();

    // Null when libmpv does not start.
    static std::unique_ptr<MpvHandle> create();
    // The instance the library's start made to learn mpv's version, kept for the first engine: a second
    // instance would cost the start-up another initialisation and an ending. Made anew when there is none.
    static void keepForFirstEngine(std::unique_ptr<MpvHandle> mpv);
    static std::unique_ptr<MpvHandle> forEngine();
    ~MpvHandle();
    MpvHandle(const MpvHandle&) = delete;
    MpvHandle& operator=(const MpvHandle&) = delete;

    mpv_handle* get() const { return m_handle; }

    // Runs a command and waits for the core to accept it; answers an mpv error code (>= 0 is success).
    int command(std::initializer_list<const char*> args) const;
    int setFlag(const char* name, bool value) const;
    int setDouble(const char* name, double value) const;
    int setInt64(const char* name, qint64 value) const;
    int setString(const char* name, const char* value) const;
    // The property's value, or fallback when the property is unavailable.
    double doubleProperty(const char* name, double fallback) const;
    qint64 int64Property(const char* name, qint64 fallback) const;
    // The property as text; empty when unavailable.
    QString stringProperty(const char* name) const;

  private:
    explicit MpvHandle(mpv_handle* handle) : m_handle(handle) {}

    mpv_handle* m_handle;
};
