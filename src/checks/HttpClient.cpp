#include "HttpClient.h"

#include "platform/Platform.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <curl/curl.h>

namespace {

struct Transfer {
    QByteArray body;
    qint64 cap;
    bool tooBig = false;
    bool keepPainted = true;
    QElapsedTimer sincePaint;
};

size_t onData(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (t->body.size() + qint64(n) > t->cap) {
        t->tooBig = true;
        return 0; // aborts the transfer
    }
    t->body.append(data, qsizetype(n));
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    if (t->keepPainted && t->sincePaint.elapsed() > 100) {
        platform::Ui::instance().repaintPending();
        t->sincePaint.restart();
    }
    return 0;
}

struct CurlInit {
    CurlInit() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlInit() { curl_global_cleanup(); }
};

} // namespace

QString encodeForRequest(const QString& url) {
    QByteArray out;
    const QByteArray utf8 = url.toUtf8();
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c >= 0x7f || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' || c == '`' ||
            c == '{' || c == '|' || c == '}') {
            out += '%';
            out += QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += char(c);
        }
    }
    return QString::fromLatin1(out);
}

QString normaliseLineBreaks(const QString& text) { return platform::splitLines(text).join(QStringLiteral("\r\n")); }

HttpResult HttpClient::get(const QString& url) const {
    static CurlInit init;
    HttpResult result;
    CURL* curl = curl_easy_init();
    if (!curl) {
        result.error = QStringLiteral("The HTTP client could not be started");
        return result;
    }
    Transfer t;
    t.cap = m_maxBody;
    t.keepPainted = m_keepPainted;
    t.sincePaint.start();
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    const QByteArray target = encodeForRequest(url).toLatin1();
    curl_easy_setopt(curl, CURLOPT_URL, target.constData());
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_DEFAULT_PROTOCOL, "http");
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; Vantorel)");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, m_noDataSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, m_noDataSeconds);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    const CURLcode rc = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    curl_easy_cleanup(curl);
    if (rc != CURLE_OK || t.tooBig) {
        result.error = t.tooBig ? QStringLiteral("The answer is larger than %1 bytes").arg(m_maxBody)
                                : QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(rc));
        return result;
    }
    result.ok = true;
    result.body = normaliseLineBreaks(QString::fromUtf8(t.body));
    return result;
}

bool HttpGetTextURL(const QString& url, QStringList& lines, long noDataSeconds) {
    const HttpResult r = HttpClient(noDataSeconds).get(url);
    if (!r.ok)
        return false;
    lines = platform::splitLines(r.body);
    return true;
}
