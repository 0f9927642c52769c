#pragma once

#include <QString>

// The private-profile (INI) store: one key per call, each write on disk when it returns.
// readini returns at most length - 1 characters; empty when file, section or key is absent.
QString readini(const QString& file, const QString& section, const QString& key, int length);
bool writeini(const QString& file, const QString& section, const QString& key,
              const QString& value);
