#pragma once

#include <QString>
#include <QStringList>

namespace campaign {

// Sentinels of the link record.
constexpr qint64 AlexaNotChecked = 50000001;
constexpr qint64 AlexaNoRank = 50000000;

QString linksTableStatement();
QStringList linksIndexStatements();
QString workingCopyPath();

// Copies source over target without ever leaving a partial target behind: the bytes go to a
// temporary file beside the target, which replaces it only once complete.
bool copyFileSafely(const QString& source, const QString& target, QString* error = nullptr);

} // namespace campaign
