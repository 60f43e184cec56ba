#include "RegistryStores.h"
#include "XdgStore.h"

std::shared_ptr<RegistryStore> desktopRegistryStore() {
    return std::make_shared<XdgStore>(XdgLocations::fromEnvironment());
}
