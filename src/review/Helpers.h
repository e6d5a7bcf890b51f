#pragma once

#include <QString>

// Every double quote doubled, for a text value between double quotes in SQL.
QString EscapeString(const QString& value);
// Hands a URL or mail address to the desktop; the answer of the shell is not looked at.
bool BrowseURL(const QString& url);
// Empty gives "0", a 32-bit whole number is grouped in thousands, anything else is unchanged.
QString FormatValue(const QString& value);
// The count format "#,###,###,###,##0" with the system's thousands separator.
QString FormatCount(qint64 value);
// Lower-cases the letters A to Z only.
QString LowerAscii(const QString& text);
