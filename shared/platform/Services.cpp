#include "Services.h"

#include <utility>

#include "DesktopScreenSaverInhibitor.h"
#include "DetachedProcessLauncher.h"
#include "QtMonitorSource.h"
#include "SteadyClock.h"
#include "XLastInputSource.h"

namespace {
Services& installed() {
    static Services current;
    return current;
}

template <class Seam>
void fillWhenEmpty(std::shared_ptr<Seam>& slot, const std::shared_ptr<Seam>& fill) {
    if (!slot) slot = fill;
}

void fillFrom(Services& target, const Services& fill) {
    fillWhenEmpty(target.monitorSource, fill.monitorSource);
    fillWhenEmpty(target.clock, fill.clock);
    fillWhenEmpty(target.lastInputSource, fill.lastInputSource);
    fillWhenEmpty(target.screenSaverInhibitor, fill.screenSaverInhibitor);
    fillWhenEmpty(target.processLauncher, fill.processLauncher);
}

bool complete(const Services& services) {
    return services.monitorSource && services.clock && services.lastInputSource &&
           services.screenSaverInhibitor && services.processLauncher;
}
}  // namespace

Services Services::desktop() {
    return Services{
        .monitorSource = std::make_shared<QtMonitorSource>(),
        .clock = std::make_shared<SteadyClock>(),
        .lastInputSource = std::make_shared<XLastInputSource>(),
        .screenSaverInhibitor = std::make_shared<DesktopScreenSaverInhibitor>(),
        .processLauncher = std::make_shared<DetachedProcessLauncher>(),
    };
}

const Services& services() {
    Services& current = installed();
    if (!complete(current)) installDesktopServices();
    return current;
}

void installDesktopServices() {
    fillFrom(installed(), Services::desktop());
}

Services installServices(Services replacement) {
    // What is answered is complete, so that putting it back later leaves no replacement in force.
    Services& current = installed();
    if (!complete(current)) installDesktopServices();
    fillFrom(replacement, current);
    return std::exchange(current, std::move(replacement));
}
