#include "RegistryStores.h"

namespace {
std::shared_ptr<RegistryStore>& storeInForce() {
    static std::shared_ptr<RegistryStore> store;
    return store;
}
}  // namespace

std::shared_ptr<RegistryStore> registryStore() {
    if (!storeInForce()) storeInForce() = desktopRegistryStore();
    return storeInForce();
}

ScopedRegistryStore::ScopedRegistryStore(std::shared_ptr<RegistryStore> store)
    : m_previous(std::exchange(storeInForce(), std::move(store))) {}

ScopedRegistryStore::~ScopedRegistryStore() {
    storeInForce() = std::move(m_previous);
}
