#pragma once

#include <QString>

#include "RegistryPath.h"

// Where the association classes keep their keys. Every store holds to the rules the callers rely on: a write
// creates the key and every missing parent, a key that still has sub-keys cannot be deleted, and a value
// that is absent (a missing key, or a key without a default value) reads as a failure. Nothing throws: each
// call answers whether it worked, and the reason when it did not.
class RegistryStore {
  public:
    virtual ~RegistryStore() = default;

    virtual bool read(const RegistryPath& path, QString& value, QString& error) = 0;
    virtual bool write(const RegistryPath& path, const QString& value, QString& error) = 0;
    // A default-value path deletes the key; a named-value path deletes that value only.
    virtual bool remove(const RegistryPath& path, QString& error) = 0;
    // The file that holds the key, so that the user can be given write access to it; empty when the key
    // does not exist.
    virtual QString keyFile(const RegistryPath& path) = 0;
};
