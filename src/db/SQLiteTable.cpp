#include "SQLiteTable.h"

#include <sqlite3.h>

void TSQLiteTable::NextRow() {
    if (Eof())
        throw ESQLiteException(QStringLiteral("Table is at End of File"));
    ++m_row;
}

int TSQLiteTable::columnIndex(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const QVariant& TSQLiteTable::field(const QString& name) const {
    if (m_rows.empty())
        throw ESQLiteException(QStringLiteral("Field ") + name + QStringLiteral(" Not found. Empty dataset"));
    const int c = columnIndex(name);
    if (c < 0)
        throw ESQLiteException(QStringLiteral("Field not found in dataset: ") + name);
    if (Eof())
        throw ESQLiteException(QStringLiteral("Table is at End of File"));
    return m_rows[size_t(m_row)][size_t(c)];
}

QString TSQLiteTable::FieldText(const QString& name) const {
    const QVariant& v = field(name);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

qint64 TSQLiteTable::FieldInteger(const QString& name) const {
    const QVariant& v = field(name);
    if (v.isNull())
        return 0;
    switch (v.typeId()) {
    case QMetaType::LongLong: return v.toLongLong();
    case QMetaType::Double: return qint64(v.toDouble());
    default: throw ESQLiteException(QStringLiteral("Not an integer or numeric field"));
    }
}

QString TSQLiteDatabase::describeResultCode(int code) {
    switch (code & 0xff) {
    case SQLITE_ERROR: return QStringLiteral("SQL error or missing database");
    case SQLITE_INTERNAL: return QStringLiteral("An internal logic error in SQLite");
    case SQLITE_PERM: return QStringLiteral("Access permission denied");
    case SQLITE_ABORT: return QStringLiteral("Callback routine requested an abort");
    case SQLITE_BUSY: return QStringLiteral("The database file is locked");
    case SQLITE_LOCKED: return QStringLiteral("A table in the database is locked");
    case SQLITE_NOMEM: return QStringLiteral("Out of memory");
    case SQLITE_READONLY: return QStringLiteral("Attempt to write a readonly database");
    case SQLITE_INTERRUPT: return QStringLiteral("The operation was interrupted");
    case SQLITE_IOERR: return QStringLiteral("Some kind of disk I/O error occurred");
    case SQLITE_CORRUPT: return QStringLiteral("The database disk image is malformed");
    case SQLITE_NOTFOUND: return QStringLiteral("Table or record not found");
    case SQLITE_FULL: return QStringLiteral("Insertion failed because the database is full");
    case SQLITE_CANTOPEN: return QStringLiteral("Unable to open the database file");
    case SQLITE_PROTOCOL: return QStringLiteral("Database lock protocol error");
    case SQLITE_EMPTY: return QStringLiteral("Database is empty");
    case SQLITE_SCHEMA: return QStringLiteral("The database schema changed");
    case SQLITE_TOOBIG: return QStringLiteral("Too much data for one row of a table");
    case SQLITE_CONSTRAINT: return QStringLiteral("Abort due to contraint violation");
    case SQLITE_MISMATCH: return QStringLiteral("Data type mismatch");
    case SQLITE_MISUSE: return QStringLiteral("Library used incorrectly");
    case SQLITE_NOLFS: return QStringLiteral("Uses OS features not supported on host");
    case SQLITE_AUTH: return QStringLiteral("Authorization denied");
    case SQLITE_FORMAT: return QStringLiteral("Auxiliary database format error");
    case SQLITE_RANGE: return QStringLiteral("Bind parameter out of range");
    case SQLITE_NOTADB: return QStringLiteral("File opened that is not a database file");
    default: return QStringLiteral("Unknown SQLite Error Code \"%1\"").arg(code);
    }
}

std::unique_ptr<TSQLiteDatabase> TSQLiteDatabase::OpenDatabase(const QString& path) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open(path.toUtf8().constData(), &db);
    if (rc != SQLITE_OK) {
        QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        if (db)
            sqlite3_close(db);
        if (msg.isEmpty())
            throw ESQLiteException(QStringLiteral("Failed to open database \"%1\" : unknown error").arg(path));
        throw ESQLiteException(QStringLiteral("Failed to open database \"%1\" : %2").arg(path, msg));
    }
    return std::unique_ptr<TSQLiteDatabase>(new TSQLiteDatabase(db, path));
}

TSQLiteDatabase::~TSQLiteDatabase() {
    if (InTransaction())
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_db);
}

void TSQLiteDatabase::raise(const QString& step, int code, const QString& sql) {
    throw ESQLiteException(step + QStringLiteral(".\rError [%1]: %2.\r\"%3\": %4")
                                      .arg(code)
                                      .arg(describeResultCode(code), sql, QString::fromUtf8(sqlite3_errmsg(m_db))));
}

namespace {

struct Stmt {
    sqlite3_stmt* s = nullptr;
    ~Stmt() {
        if (s)
            sqlite3_finalize(s);
    }
};

int bindAll(sqlite3_stmt* stmt, const SqlParams& params) {
    for (size_t i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        const int index = int(i) + 1;
        int rc;
        if (v.isNull())
            rc = sqlite3_bind_null(stmt, index);
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            rc = sqlite3_bind_int64(stmt, index, v.toLongLong());
        else if (v.typeId() == QMetaType::Double)
            rc = sqlite3_bind_double(stmt, index, v.toDouble());
        else {
            const QByteArray bytes = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            return rc;
    }
    return SQLITE_OK;
}

} // namespace

void TSQLiteDatabase::RunStatement(const QString& sql, const SqlParams& params) {
    Stmt st;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(m_db, text.constData(), -1, &st.s, nullptr);
    if (rc != SQLITE_OK)
        raise(QStringLiteral("Error executing SQL"), rc, sql);
    if (!st.s)
        throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"));
    rc = bindAll(st.s, params);
    if (rc != SQLITE_OK)
        raise(QStringLiteral("Error executing SQL"), rc, sql);
    rc = sqlite3_step(st.s);
    if (rc != SQLITE_DONE) {
        // A statement that yields a row is a query, not a statement.
        raise(QStringLiteral("Error executing SQL statement"), rc == SQLITE_ROW ? SQLITE_MISUSE : sqlite3_errcode(m_db),
              sql);
    }
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::RunQuery(const QString& sql, const SqlParams& params) {
    Stmt st;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(m_db, text.constData(), -1, &st.s, nullptr);
    if (rc == SQLITE_BUSY)
        throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"));
    if (rc != SQLITE_OK)
        raise(QStringLiteral("Error executing SQL"), rc, sql);
    if (!st.s)
        throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"));
    rc = bindAll(st.s, params);
    if (rc != SQLITE_OK)
        raise(QStringLiteral("Error executing SQL"), rc, sql);

    auto table = std::make_unique<TSQLiteTable>();
    const int cols = sqlite3_column_count(st.s);
    QStringList names;
    for (int c = 0; c < cols; ++c)
        names << QString::fromUtf8(sqlite3_column_name(st.s, c));
    for (;;) {
        rc = sqlite3_step(st.s);
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_BUSY)
            throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"));
        if (rc != SQLITE_ROW)
            raise(QStringLiteral("Could not retrieve data"), rc, sql);
        std::vector<QVariant> row;
        row.reserve(size_t(cols));
        for (int c = 0; c < cols; ++c) {
            switch (sqlite3_column_type(st.s, c)) {
            case SQLITE_INTEGER: row.emplace_back(qint64(sqlite3_column_int64(st.s, c))); break;
            case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(st.s, c)); break;
            case SQLITE_NULL: row.emplace_back(); break;
            case SQLITE_BLOB: {
                const auto* p = static_cast<const char*>(sqlite3_column_blob(st.s, c));
                row.emplace_back(QByteArray(p, sqlite3_column_bytes(st.s, c)));
                break;
            }
            default: {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st.s, c));
                row.emplace_back(QString::fromUtf8(p, sqlite3_column_bytes(st.s, c)));
            }
            }
        }
        table->m_rows.push_back(std::move(row));
    }
    // A result without rows has no columns, as callers expect.
    if (!table->m_rows.empty())
        table->m_columns = names;
    return table;
}

bool TSQLiteDatabase::HasTable(const QString& name) {
    auto t = RunQuery(QStringLiteral("select [sql] from sqlite_master where [type] = 'table' and lower(name) = '") +
                      name.toLower() + QStringLiteral("' "));
    return t->RowCount() > 0;
}

qint64 TSQLiteDatabase::LastInsertRowId() {
    auto t = RunQuery(QStringLiteral("SELECT last_insert_rowid() AS id"));
    return t->FieldInteger(QStringLiteral("id"));
}

void TSQLiteDatabase::BeginTransaction() {
    if (!InTransaction())
        RunStatement(QStringLiteral("BEGIN"));
}
void TSQLiteDatabase::Commit() {
    if (InTransaction())
        RunStatement(QStringLiteral("COMMIT"));
}
void TSQLiteDatabase::Rollback() {
    if (InTransaction())
        RunStatement(QStringLiteral("ROLLBACK"));
}
bool TSQLiteDatabase::InTransaction() const { return sqlite3_get_autocommit(m_db) == 0; }

TSQLiteDatabase::Prepared::Prepared(TSQLiteDatabase& db, const QString& sql) : m_db(db), m_sql(sql) {
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db.m_db, text.constData(), -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        db.raise(QStringLiteral("Error executing SQL"), rc, sql);
}

TSQLiteDatabase::Prepared::~Prepared() {
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

void TSQLiteDatabase::Prepared::run(const SqlParams& params) {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    int rc = bindAll(m_stmt, params);
    if (rc != SQLITE_OK)
        m_db.raise(QStringLiteral("Error executing SQL"), rc, m_sql);
    rc = sqlite3_step(m_stmt);
    if (rc != SQLITE_DONE) {
        const int code = sqlite3_errcode(m_db.m_db);
        sqlite3_reset(m_stmt);
        m_db.raise(QStringLiteral("Error executing SQL statement"), code, m_sql);
    }
}
