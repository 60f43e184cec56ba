#pragma once

#include <QString>

#include "RegistryStore.h"

// A registry in one file: a tree of keys under their roots, each with an optional default value and named
// values, kept as JSON. Key and value names keep their letters but are matched ignoring case. Every change is
// written to a new file beside the old one and renamed over it, so a killed program leaves the old tree or
// the new one. Used by tests, and by the desktop store for the keys that have no desktop meaning.
class KeyTreeStore : public RegistryStore {
  public:
    explicit KeyTreeStore(QString filePath) : m_filePath(std::move(filePath)) {}

    bool read(const RegistryPath& path, QString& value, QString& error) override;
    bool write(const RegistryPath& path, const QString& value, QString& error) override;
    bool remove(const RegistryPath& path, QString& error) override;
    QString keyFile(const RegistryPath& path) override;

    QString filePath() const { return m_filePath; }

  private:
    QString m_filePath;
};
