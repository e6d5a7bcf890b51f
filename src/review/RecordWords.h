#pragma once

#include <QString>

struct RankingBoxes {
    QString alexa, backlinks, reach, delta;
};

// What the four ranking boxes show for a record's stored values.
RankingBoxes rankingBoxes(const QString& alexa, const QString& backlinks, const QString& reach, const QString& delta);
QString submittableWord(const QString& foundKeyText);
QString flagWord(const QString& flag);
