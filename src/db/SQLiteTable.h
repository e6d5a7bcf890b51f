#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;

// Raised by every failing database operation; what() carries the text shown to the user.
class ESQLiteException : public std::runtime_error {
public:
    explicit ESQLiteException(const QString& message)
        : std::runtime_error(message.toUtf8().toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A fully fetched result, positioned on its first row.
class TSQLiteTable {
public:
    int RowCount() const { return int(m_rows.size()); }
    int ColumnCount() const { return int(m_columns.size()); }
    bool Eof() const { return m_row >= int(m_rows.size()); }
    void NextRow();
    QString FieldText(const QString& name) const;
    qint64 FieldInteger(const QString& name) const;
    // Column access by position, for callers that read many rows.
    const QVariant& value(int row, int column) const { return m_rows[size_t(row)][size_t(column)]; }
    int columnIndex(const QString& name) const;

private:
    friend class TSQLiteDatabase;
    const QVariant& field(const QString& name) const;
    QStringList m_columns;
    std::vector<std::vector<QVariant>> m_rows;
    int m_row = 0;
};

using SqlParams = std::vector<QVariant>;

// One connection to one database file. Statements run in autocommit mode unless a caller opens
// a transaction. User and file text travels as bound parameters ("?") so that a value that
// spells a column name is stored as typed.
class TSQLiteDatabase {
public:
    static std::unique_ptr<TSQLiteDatabase> OpenDatabase(const QString& path);
    ~TSQLiteDatabase();
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    void RunStatement(const QString& sql, const SqlParams& params = {});
    std::unique_ptr<TSQLiteTable> RunQuery(const QString& sql, const SqlParams& params = {});
    bool HasTable(const QString& name);
    qint64 LastInsertRowId();
    QString path() const { return m_path; }

    void BeginTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const;

    // A prepared statement kept for repeated runs (the import's insert).
    class Prepared {
    public:
        Prepared(TSQLiteDatabase& db, const QString& sql);
        ~Prepared();
        void run(const SqlParams& params);

    private:
        TSQLiteDatabase& m_db;
        QString m_sql;
        struct sqlite3_stmt* m_stmt = nullptr;
    };

    static QString describeResultCode(int code);

private:
    explicit TSQLiteDatabase(sqlite3* db, const QString& path) : m_db(db), m_path(path) {}
    [[noreturn]] void raise(const QString& step, int code, const QString& sql);
    sqlite3* m_db;
    QString m_path;
};
