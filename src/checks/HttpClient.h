#pragma once

#include <QString>
#include <QStringList>

// One blocking HTTP/1.0 GET. Any complete answer is a success whatever its status; only a
// failure of the exchange itself (no host, no connection, a broken transfer, no data for
// noDataSeconds, or a body over the cap) is a failure. Redirections are not followed.
struct HttpResult {
    bool ok = false;
    long status = 0;
    QString body; // line breaks turned into CR LF
    QString error;
};

class HttpClient {
public:
    static constexpr qint64 kMaxBody = 16 * 1024 * 1024;
    explicit HttpClient(long noDataSeconds) : m_noDataSeconds(noDataSeconds) {}
    HttpResult get(const QString& url) const;
    void setMaxBody(qint64 bytes) { m_maxBody = bytes; }
    // While a request runs, the windows get their repaints (and nothing else).
    void setKeepPainted(bool on) { m_keepPainted = on; }

private:
    long m_noDataSeconds;
    qint64 m_maxBody = kMaxBody;
    bool m_keepPainted = true;
};

// Characters that cannot stand in a URL (a blank in a stored domain) are percent-encoded.
QString encodeForRequest(const QString& url);
// CR, LF and CR LF all become CR LF.
QString normaliseLineBreaks(const QString& text);

// The common call of both batch checks: the body as lines, true when the exchange completed.
bool HttpGetTextURL(const QString& url, QStringList& lines, long noDataSeconds);
