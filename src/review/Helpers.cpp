#include "Helpers.h"

#include "platform/Platform.h"

#include <QLocale>

QString EscapeString(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return out;
}

bool BrowseURL(const QString& url) {
    platform::Ui::instance().shellOpen(url);
    return true;
}

QString FormatCount(qint64 value) { return QLocale().toString(value); }

QString FormatValue(const QString& value) {
    if (value.isEmpty())
        return QStringLiteral("0");
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok)
        return value;
    return FormatCount(n);
}

QString LowerAscii(const QString& text) {
    QString out = text;
    QChar* p = out.data();
    for (qsizetype i = 0, n = out.size(); i < n; ++i) {
        const ushort u = p[i].unicode();
        if (u >= 'A' && u <= 'Z')
            p[i] = QChar(ushort(u + 32));
    }
    return out;
}
