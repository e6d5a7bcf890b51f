#include "TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

QStringList splitLines(const QString& text) {
    QStringList lines;
    int start = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool readLines(const QString& path, QStringList& lines) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = f.readAll();
    if (f.error() != QFile::NoError)
        return false;
    lines = splitLines(QString::fromUtf8(data));
    return true;
}

bool writeLines(const QString& path, const QStringList& lines) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray out;
    for (const QString& l : lines) {
        out += l.toUtf8();
        out += "\r\n";
    }
    if (f.write(out) != out.size())
        return false;
    return f.commit();
}

} // namespace platform

namespace platform {
bool isReadOnlyFile(const QString& path) {
    return QFile::exists(path) && !(QFile::permissions(path) & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}
} // namespace platform
