#include "Services.h"

#include <utility>

#include "DesktopScreenSaverInhibitor.h"
#include "QtMonitorSource.h"

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
    fillWhenEmpty(target.screenSaverInhibitor, fill.screenSaverInhibitor);
}
}  // namespace

Services Services::desktop() {
    return Services{.monitorSource = std::make_shared<QtMonitorSource>(),
                    .screenSaverInhibitor = std::make_shared<DesktopScreenSaverInhibitor>()};
}

const Services& services() {
    Services& current = installed();
    if (!current.monitorSource || !current.screenSaverInhibitor) installDesktopServices();
    return current;
}

void installDesktopServices() {
    fillFrom(installed(), Services::desktop());
}

Services installServices(Services replacement) {
    Services& current = installed();
    fillFrom(replacement, current);
    return std::exchange(current, std::move(replacement));
}
