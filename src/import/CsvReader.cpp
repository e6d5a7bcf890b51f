#include "CsvReader.h"

#include <QStringDecoder>

CsvReader::CsvReader(const QString& text) : m_text(text) {}

int CsvReader::scan() {
    m_starts.clear();
    m_ends.clear();
    const QChar* p = m_text.constData();
    const int n = int(m_text.size());
    int start = 0;
    bool quoted = false;
    bool atFieldStart = true;
    for (int i = 0; i < n; ++i) {
        const ushort c = p[i].unicode();
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && p[i + 1].unicode() == '"')
                    ++i;
                else
                    quoted = false;
            }
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
        } else if (c == ',') {
            atFieldStart = true;
        } else if (c == '\r' || c == '\n') {
            m_starts.push_back(start);
            m_ends.push_back(i);
            if (c == '\r' && i + 1 < n && p[i + 1].unicode() == '\n')
                ++i;
            start = i + 1;
            atFieldStart = true;
        } else {
            atFieldStart = false;
        }
    }
    if (start < n) {
        m_starts.push_back(start);
        m_ends.push_back(n);
    }
    return int(m_starts.size());
}

QStringView CsvReader::rawRecord(int index) const {
    return QStringView(m_text).mid(m_starts[size_t(index)], m_ends[size_t(index)] - m_starts[size_t(index)]);
}

QStringList CsvReader::fields(int index) const { return splitRecord(rawRecord(index)); }

QStringList CsvReader::splitRecord(QStringView record) {
    QStringList out;
    QString field;
    const QChar* p = record.data();
    const int n = int(record.size());
    bool quoted = false;
    bool atFieldStart = true;
    int runStart = 0; // start of a run of plain characters not yet copied into field
    for (int i = 0; i < n; ++i) {
        const ushort c = p[i].unicode();
        if (quoted) {
            if (c == '"') {
                field.append(p + runStart, i - runStart);
                if (i + 1 < n && p[i + 1].unicode() == '"') {
                    field.append(QLatin1Char('"'));
                    ++i;
                } else {
                    quoted = false;
                }
                runStart = i + 1;
            }
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
            runStart = i + 1;
        } else if (c == ',') {
            field.append(p + runStart, i - runStart);
            out << field;
            field.clear();
            runStart = i + 1;
            atFieldStart = true;
        } else {
            atFieldStart = false;
        }
    }
    field.append(p + runStart, n - runStart);
    out << field;
    return out;
}

QString decodeReport(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return d.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString trimControl(QStringView text) {
    int b = 0;
    int e = int(text.size());
    while (b < e && text[b].unicode() <= ' ')
        ++b;
    while (e > b && text[e - 1].unicode() <= ' ')
        --e;
    return text.mid(b, e - b).toString();
}
