#include <QStandardPaths>

#include "KeyTreeStore.h"
#include "RegistryStores.h"

std::shared_ptr<RegistryStore> desktopRegistryStore() {
    return std::make_shared<KeyTreeStore>(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/kestrune/registry.json"));
}
