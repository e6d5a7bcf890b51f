#pragma once

#include <QStringList>

// The options kept in settings.txt.
struct Options {
    bool submittable = false;
    bool autoLaunch = true;
    bool autoNext = true;
    bool warn = true;
    bool clipboard = true;
    int clipboardGeometry[4] = {-1, -1, -1, -1};
    QStringList categories; // ticked category IDs, in the filter's order
};

// Applies settings.txt line by line over options. A file of fewer than 9 lines is ignored; the
// first bad line ends the reading and keeps what was applied before it.
void readOptions(const QString& path, Options& options);
QStringList optionLines(const Options& options);
// Failures to write are ignored by the caller.
bool writeOptions(const QString& path, const Options& options);
