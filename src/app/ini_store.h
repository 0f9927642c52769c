#pragma once

#include <QString>

// The private-profile (INI) store: one key per call, each write on disk when it returns.
//
// Section and key names match without regard to case; a value is the text after the first
// "=", blanks around it trimmed. Lines that are neither a section header nor "key=value"
// (comments, blank lines, anything else) are kept as they are.

// The value of key in section, at most length - 1 characters; empty when the file, the
// section or the key is absent, or the value is empty.
QString readini(const QString& file, const QString& section, const QString& key, int length);

// Stores value under key in section: replaces that one line in place, or adds the key at the
// end of its section, or the section at the end of the file. The file is replaced atomically
// (a temporary file in the same folder, then a rename), so on failure it keeps exactly what it
// held. Line breaks in the value become blanks. False on failure.
bool writeini(const QString& file, const QString& section, const QString& key,
              const QString& value);
