#pragma once

#include <QString>

// The linking domain of a source URL: scheme and path dropped, and "www2.", "www-old." and the
// like folded into "www." when a real domain follows.
QString ExtractDomain(const QString& url);
// "www.example.org" <-> "example.org".
QString CheckWWWVariations(const QString& domain);
