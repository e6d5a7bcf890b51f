#include "Domains.h"

#include "review/Helpers.h"

QString ExtractDomain(const QString& url) {
    QString s = LowerAscii(url);
    const int slashes = int(s.indexOf(QStringLiteral("//")));
    if (slashes >= 0)
        s = s.mid(slashes + 2);
    const int slash = int(s.indexOf(QLatin1Char('/')));
    if (slash >= 0)
        s = s.left(slash);
    // Only a first label such as "www2" or "www-old" in front of at least two more labels is a
    // www host; "wwwexample.org" and "www2.org" are sites of their own.
    if (s.size() > 3 && s.startsWith(QLatin1String("www")) && (s[3].isDigit() || s[3] == QLatin1Char('-'))) {
        const int dot = int(s.indexOf(QLatin1Char('.')));
        if (dot > 0 && s.indexOf(QLatin1Char('.'), dot + 1) > dot + 1)
            s = QStringLiteral("www.") + s.mid(dot + 1);
    }
    return s;
}

QString CheckWWWVariations(const QString& domain) {
    if (domain.startsWith(QLatin1String("www.")))
        return domain.mid(4);
    return QStringLiteral("www.") + domain;
}
