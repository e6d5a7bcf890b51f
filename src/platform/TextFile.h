#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// CR, LF and CR LF all end a line; a line break at the very end does not start another line.
QStringList splitLines(const QString& text);
// Reads a text file's lines; false when the file cannot be read.
bool readLines(const QString& path, QStringList& lines);
// Writes every line followed by CR LF, replacing the file only once it is complete.
bool writeLines(const QString& path, const QStringList& lines);

} // namespace platform

namespace platform {
// An existing file whose write permission is off is left alone, as the desktop would refuse to
// replace it (this holds for the administrator too).
bool isReadOnlyFile(const QString& path);
} // namespace platform
