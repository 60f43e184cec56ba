#include "Services.h"

#include <utility>

#include "QtMonitorSource.h"

namespace {
Services& installed() {
    static Services current = Services::desktop();
    return current;
}

template <class Seam>
void keepWhenEmpty(std::shared_ptr<Seam>& replacement, const std::shared_ptr<Seam>& current) {
    if (!replacement) replacement = current;
}
}  // namespace

Services Services::desktop() {
    return Services{.monitorSource = std::make_shared<QtMonitorSource>()};
}

const Services& services() {
    return installed();
}

Services installServices(Services replacement) {
    Services& current = installed();
    keepWhenEmpty(replacement.monitorSource, current.monitorSource);
    return std::exchange(current, std::move(replacement));
}
