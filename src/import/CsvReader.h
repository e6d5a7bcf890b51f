#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Reads CSV records as RFC 4180 describes them: a quoted field may hold commas, line breaks and
// doubled double quotes; text after a closing quote is kept; nothing is trimmed. Records end at
// CR LF, a lone CR or a lone LF outside quotes.
class CsvReader {
public:
    explicit CsvReader(const QString& text);
    // Splits the text into records without reading their fields; returns the number of records.
    int scan();
    int recordCount() const { return int(m_starts.size()); }
    // The raw text of a record, as it stands in the file.
    QStringView rawRecord(int index) const;
    // The fields of one record, numbered from 0.
    QStringList fields(int index) const;
    static QStringList splitRecord(QStringView record);

private:
    const QString& m_text;
    std::vector<int> m_starts;
    std::vector<int> m_ends;
};

// Decodes a report's bytes: a UTF-8 byte-order mark is skipped, UTF-16 (with its mark) is
// decoded, text that is not valid UTF-8 is read as Latin-1.
QString decodeReport(const QByteArray& bytes);
// Leading and trailing blanks and control characters removed.
QString trimControl(QStringView text);
