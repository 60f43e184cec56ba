#pragma once

#include "LastInputSource.h"

struct _XDisplay;

// The last input on the X server the program runs on: the server's idle time (libXss, the MIT-SCREEN-SAVER
// extension) taken from the clock's now. Cannot tell without an X display or without that extension.
//
// The server counts idle time on a coarse clock of its own, so "now - idle" strays by a few milliseconds from
// one reading to the next with no input in between. A reading that agrees with the last answer within the
// time the request took and that clock's coarseness answers the last answer again: the last input only moves
// when there was input.
class XLastInputSource : public LastInputSource {
  public:
    XLastInputSource() = default;
    ~XLastInputSource() override;
    XLastInputSource(const XLastInputSource&) = delete;
    XLastInputSource& operator=(const XLastInputSource&) = delete;

    std::optional<std::int64_t> lastInputTime() override;

  private:
    // Qt's own connection when the program runs on X, else one of its own to $DISPLAY, opened once.
    _XDisplay* display();

    _XDisplay* m_ownDisplay = nullptr;
    bool m_ownDisplayTried = false;
    std::optional<std::int64_t> m_lastAnswer;
};
