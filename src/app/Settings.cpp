#include "Settings.h"

#include "platform/TextFile.h"

#include <QFileInfo>

void readOptions(const QString& path, Options& options) {
    if (!QFileInfo::exists(path))
        return;
    QStringList lines;
    if (!platform::readLines(path, lines) || lines.size() < 9)
        return;
    bool* ticks[5] = {&options.submittable, &options.autoLaunch, &options.autoNext, &options.warn,
                      &options.clipboard};
    for (int i = 0; i < 5; ++i)
        *ticks[i] = lines[i] == QLatin1String("1");
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int v = lines[5 + i].toInt(&ok);
        if (!ok)
            return;
        options.clipboardGeometry[i] = v;
    }
    options.categories = lines.mid(9);
}

QStringList optionLines(const Options& options) {
    QStringList lines;
    for (bool b : {options.submittable, options.autoLaunch, options.autoNext, options.warn, options.clipboard})
        lines << (b ? QStringLiteral("1") : QStringLiteral("0"));
    for (int v : options.clipboardGeometry)
        lines << QString::number(v);
    lines << options.categories;
    return lines;
}

bool writeOptions(const QString& path, const Options& options) { return platform::writeLines(path, optionLines(options)); }
