#pragma once

#include "core/error.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace torval::store {

struct TableDef;

// The database is held by another program window longer than the store
// waits.
class BusyError : public Error
{
public:
    using Error::Error;
};

// One prepared SQLite statement. Errors become torval::Error with a German
// text (see Database::engineError).
class Statement
{
public:
    // A statement of the program's own; a failure to prepare it means a
    // damaged database or a program fault.
    Statement(sqlite3 *db, const QString &sql);
    // sqlPrefix goes before the engine's text when preparing fails: the
    // statements a user's input takes part in say so.
    Statement(sqlite3 *db, const QString &sql, const QString &sqlPrefix);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Ends the walk: the statement holds no read of the database any more.
    void reset();
    void bind(int index, const QVariant &value); // 1-based
    void bindAll(const QVariantList &values);
    // Returns true while a row is available. A database that another
    // program window keeps busy is waited for a few seconds.
    bool step();
    int columnCount() const;
    QString columnName(int i) const;
    QString declaredType(int i) const;
    QVariant column(int i) const;
    const QString &sql() const { return m_sql; }

private:
    void prepare(const QString &prefix);

    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
    bool m_hadRow = false;
};

// A cached statement lent out for one use; giving it back resets it, so
// that no read of the database outlives its user.
class CachedStatement
{
public:
    explicit CachedStatement(Statement &s) : m_s(&s) {}
    ~CachedStatement() { m_s->reset(); }
    CachedStatement(const CachedStatement &) = delete;
    CachedStatement &operator=(const CachedStatement &) = delete;

    void reset() { m_s->reset(); }
    void bind(int index, const QVariant &value) { m_s->bind(index, value); }
    void bindAll(const QVariantList &values) { m_s->bindAll(values); }
    bool step() { return m_s->step(); }
    QVariant column(int i) const { return m_s->column(i); }
    Statement &statement() { return *m_s; }

private:
    Statement *m_s;
};

// The database file in the data directory with all tables of the program.
class Database
{
public:
    static QString fileName() { return QStringLiteral("torval.db"); }

    enum class Mode {
        ReadWrite, // the program: an existing database, brought up to date
        ReadOnly,  // commands that only read, or a data folder that is not writable
        Create,    // the data build: made when missing
    };

    // Opens dataDir/torval.db. Throws Error; a failed open leaves nothing
    // open behind.
    explicit Database(const QString &dataDir, Mode mode = Mode::ReadWrite);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const QString &dataDir() const { return m_dataDir; }
    QString path() const;
    sqlite3 *handle() const { return m_db; }
    bool readOnly() const { return m_mode == Mode::ReadOnly; }

    // Whether the program can write to the database in that folder.
    static bool isWritable(const QString &dataDir);

    // Version of the schema that ensureSchema() makes.
    static int schemaVersion() { return 3; }
    // Creates every table, column and index of the schema that is missing,
    // in one transaction, and stamps the version.
    void ensureSchema();
    // Checks at open that the database is one the program can use: refuses
    // an empty or foreign file and one of a newer version, brings an older
    // one up to date (not when read-only), and checks that every table and
    // column the program needs is there. Throws Error naming the file.
    void checkSchema();
    bool hasTable(const QString &fileName);

    void exec(const QString &sql, const QVariantList &params = {});
    // A cached statement for sql, ready for binding; reset when given back.
    CachedStatement cached(const QString &sql);

    QString meta(const QString &key);
    void setMeta(const QString &key, const QString &value);

    // Nested use is allowed; only the outermost commits.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

    class Transaction
    {
    public:
        explicit Transaction(Database &db) : m_db(db) { m_db.begin(); }
        ~Transaction()
        {
            if (!m_done)
                try {
                    m_db.rollback();
                } catch (...) {
                }
        }
        void commit()
        {
            m_db.commit();
            m_done = true;
        }
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;

    private:
        Database &m_db;
        bool m_done = false;
    };

    // Whether a statement is still in the middle of a walk, which keeps a
    // read of the database open (and with it a snapshot that blocks the
    // writers of other program windows and the log's checkpoint).
    bool hasOpenRead() const;

    // How long a database that another program window holds is waited for
    // before giving up (5 seconds), for every connection of the process.
    void setBusyWait(int ms);
    static int busyWait();

    // The German text for the engine's last error on this connection.
    static QString engineError(sqlite3 *db, const QString &path = QString());

private:
    void configure();
    QStringList missingColumns(const TableDef &def);
    void inspect();

    sqlite3 *m_db = nullptr;
    QString m_dataDir;
    Mode m_mode;
    QHash<QString, std::shared_ptr<Statement>> m_cache;
    int m_depth = 0;
    bool m_failed = false;
};

} // namespace torval::store
