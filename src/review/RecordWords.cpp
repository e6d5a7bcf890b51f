#include "RecordWords.h"

#include "Helpers.h"

RankingBoxes rankingBoxes(const QString& alexa, const QString& backlinks, const QString& reach, const QString& delta) {
    if (alexa == QLatin1String("50000001"))
        return {QStringLiteral("Not Checked"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
    RankingBoxes b;
    b.alexa = alexa == QLatin1String("50000000") ? QStringLiteral("-") : FormatValue(alexa);
    b.backlinks = FormatValue(backlinks);
    b.reach = FormatValue(reach);
    b.delta = delta.isEmpty() ? QStringLiteral("-") : delta;
    return b;
}

QString submittableWord(const QString& v) {
    if (v == QLatin1String("-2"))
        return QStringLiteral("ERROR");
    if (v == QLatin1String("-1"))
        return QStringLiteral("TBC");
    if (v == QLatin1String("0"))
        return QStringLiteral("NO");
    if (v == QLatin1String("1"))
        return QStringLiteral("YES");
    return v;
}

QString flagWord(const QString& flag) {
    const QString up = flag.toUpper();
    if (up.isEmpty())
        return QStringLiteral("-");
    if (up == QLatin1String("Y"))
        return QStringLiteral("YES");
    if (up == QLatin1String("N"))
        return QStringLiteral("NO");
    return up;
}
