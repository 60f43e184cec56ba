#pragma once

#include <memory>

#include "Clock.h"
#include "LastInputSource.h"
#include "MonitorSource.h"
#include "ProcessLauncher.h"
#include "ScreenSaverInhibitor.h"

// The seams between the programs and the desktop, in one registry. A program installs the desktop's own
// services at start-up; a test replaces single ones for a while with ScopedServices.
struct Services {
    // Each seam may be left out of a replacement (see installServices).
    std::shared_ptr<MonitorSource> monitorSource{};
    std::shared_ptr<Clock> clock{};
    std::shared_ptr<LastInputSource> lastInputSource{};
    std::shared_ptr<ScreenSaverInhibitor> screenSaverInhibitor{};
    std::shared_ptr<ProcessLauncher> processLauncher{};

    // The desktop's own services.
    static Services desktop();
};

// The services in force. A seam nobody installed gets the desktop's own service on first use.
const Services& services();

// Installs the desktop's own service for every seam that has none; a replacement in force stays.
void installDesktopServices();

// Installs services; a member left empty keeps the service in force. Answers the services replaced.
Services installServices(Services replacement);

// Replaces services for the lifetime of the object, then puts back the ones it replaced.
class ScopedServices {
  public:
    explicit ScopedServices(Services replacement) : m_previous(installServices(std::move(replacement))) {}
    ~ScopedServices() { installServices(std::move(m_previous)); }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

  private:
    Services m_previous;
};
