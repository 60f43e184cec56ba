#pragma once

#include <memory>

#include "RegistryStore.h"

// The store in force for RegAccess and the access grant. A program uses the desktop's own store (desktop
// entries and mimeapps.list); a test installs another for a while with ScopedRegistryStore.
std::shared_ptr<RegistryStore> registryStore();

// The desktop's own store, made on first use of registryStore().
std::shared_ptr<RegistryStore> desktopRegistryStore();

class ScopedRegistryStore {
  public:
    explicit ScopedRegistryStore(std::shared_ptr<RegistryStore> store);
    ~ScopedRegistryStore();
    ScopedRegistryStore(const ScopedRegistryStore&) = delete;
    ScopedRegistryStore& operator=(const ScopedRegistryStore&) = delete;

  private:
    std::shared_ptr<RegistryStore> m_previous;
};
