#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace torval::store {

// One prepared SQLite statement. Errors become torval::Error.
class Statement
{
public:
    Statement(sqlite3 *db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void reset();
    void bind(int index, const QVariant &value); // 1-based
    void bindAll(const QVariantList &values);
    // Returns true while a row is available.
    bool step();
    int columnCount() const;
    QString columnName(int i) const;
    QString declaredType(int i) const;
    QVariant column(int i) const;
    const QString &sql() const { return m_sql; }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
};

// The database file in the data directory with all tables of the program.
class Database
{
public:
    static QString fileName() { return QStringLiteral("torval.db"); }

    // Opens (and creates if needed) dataDir/torval.db. Throws Error.
    explicit Database(const QString &dataDir, bool create = false);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const QString &dataDir() const { return m_dataDir; }
    sqlite3 *handle() const { return m_db; }

    // Version of the schema that ensureSchema() makes.
    static QString schemaVersion() { return QStringLiteral("3"); }
    // Creates every table and index of the schema that is missing.
    void ensureSchema();
    // The same, only when the database was made by an older schema; a
    // current database is not written to.
    void upgradeSchema();
    bool hasTable(const QString &fileName);

    void exec(const QString &sql, const QVariantList &params = {});
    // A cached statement for sql, reset and ready for binding.
    Statement &cached(const QString &sql);

    QString meta(const QString &key);
    void setMeta(const QString &key, const QString &value);

    // Nested use is allowed; only the outermost commits.
    void begin();
    void commit();
    void rollback();

    class Transaction
    {
    public:
        explicit Transaction(Database &db) : m_db(db) { m_db.begin(); }
        ~Transaction()
        {
            if (!m_done)
                try { m_db.rollback(); } catch (...) {}
        }
        void commit() { m_db.commit(); m_done = true; }
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;

    private:
        Database &m_db;
        bool m_done = false;
    };

    QString lastError() const;

private:
    sqlite3 *m_db = nullptr;
    QString m_dataDir;
    QHash<QString, std::shared_ptr<Statement>> m_cache;
    int m_depth = 0;
    bool m_failed = false;
};

} // namespace torval::store
