#include "database.h"
#include "core/catalogue.h"
#include "core/error.h"
#include "schema.h"

#include "core/search.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QUrl>
#include <sqlite3.h>
#include <string_view>

namespace torval::store {

namespace {

// Case folding for locate: the whole of Unicode, umlauts included.
void foldFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const QByteArray folded = QString::fromUtf8(text).toCaseFolded().toUtf8();
    sqlite3_result_text(ctx, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

bool isAscii(const unsigned char *p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] & 0x80)
            return false;
    return true;
}

// Equality (or, with prefix, "begins with") ignoring letter case across the
// whole of Unicode; plain ASCII takes a fast path.
void caseInsensitiveMatch(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool prefix)
{
    Q_UNUSED(argc)
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    const auto *a = sqlite3_value_text(argv[0]);
    const int na = sqlite3_value_bytes(argv[0]);
    const auto *b = sqlite3_value_text(argv[1]);
    const int nb = sqlite3_value_bytes(argv[1]);
    if (isAscii(a, na) && isAscii(b, nb)) {
        if (prefix ? na < nb : na != nb) {
            sqlite3_result_int(ctx, 0);
            return;
        }
        sqlite3_result_int(
            ctx, sqlite3_strnicmp(reinterpret_cast<const char *>(a), reinterpret_cast<const char *>(b), nb) == 0);
        return;
    }
    const QString fa = QString::fromUtf8(reinterpret_cast<const char *>(a), na).toCaseFolded();
    const QString fb = QString::fromUtf8(reinterpret_cast<const char *>(b), nb).toCaseFolded();
    sqlite3_result_int(ctx, prefix ? fa.startsWith(fb) : fa == fb);
}

void caseInsensitiveEqual(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    caseInsensitiveMatch(ctx, argc, argv, false);
}

void caseInsensitivePrefix(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    caseInsensitiveMatch(ctx, argc, argv, true);
}

// LIKE as the food search needs it: '%' and '_' as wildcards, letter case
// compared exactly, in time bounded by the product of the two lengths.
void likeFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    const auto *pattern = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    if (!pattern || !text) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string_view p(pattern, std::size_t(sqlite3_value_bytes(argv[0])));
    const std::string_view t(text, std::size_t(sqlite3_value_bytes(argv[1])));
    sqlite3_result_int(ctx, sqlLikeMatch(t, p));
}

// The engine's English detail in German, for the texts that can reach a
// user: a statement naming a column or table the database does not have.
QString germanDetail(const QString &detail)
{
    static const struct
    {
        const char *prefix;
        const char16_t *german;
    } kTexts[] = {
        {"no such column: ", u"Das Feld %1 gibt es nicht"},
        {"no such table: ", u"Die Tabelle %1 gibt es nicht"},
        {"ambiguous column name: ", u"Der Feldname %1 ist mehrdeutig"},
    };
    for (const auto &t : kTexts) {
        const QString prefix = QString::fromLatin1(t.prefix);
        if (detail.startsWith(prefix))
            return QString::fromUtf16(t.german).arg(detail.mid(prefix.size()));
    }
    if (detail.contains(QStringLiteral("syntax error")) || detail.contains(QStringLiteral("unrecognized token")))
        return QStringLiteral("Syntaxfehler (") + detail + u')';
    return detail;
}

// How long a database held by another program window is waited for.
int g_busyWaitMs = 5000;

} // namespace

Statement::Statement(sqlite3 *db, const QString &sql) : m_db(db), m_sql(sql)
{
    prepare(QString());
}

Statement::Statement(sqlite3 *db, const QString &sql, const QString &sqlPrefix) : m_db(db), m_sql(sql)
{
    prepare(sqlPrefix);
}

void Statement::prepare(const QString &prefix)
{
    const QByteArray utf8 = m_sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) == SQLITE_OK)
        return;
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    const QString detail = germanDetail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    if (!prefix.isEmpty())
        throw Error(prefix + QStringLiteral(": ") + detail);
    const int code = sqlite3_errcode(m_db);
    if (code == SQLITE_ERROR)
        throw Error(QStringLiteral("Datenbankfehler: ") + detail);
    throw Error(Database::engineError(m_db));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_hadRow = false;
}

void Statement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QDate:
            rc = sqlite3_bind_text(m_stmt, index, value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                   SQLITE_TRANSIENT);
            break;
        default: {
            const QByteArray b = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw Error(QStringLiteral("Parameter kann nicht gesetzt werden: ") + Database::engineError(m_db));
}

void Statement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
}

bool Statement::step()
{
    QDeadlineTimer deadline(g_busyWaitMs);
    for (;;) {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW) {
            m_hadRow = true;
            return true;
        }
        if (rc == SQLITE_DONE)
            return false;
        // Another program window holds the database, or this statement's
        // snapshot went stale while it waited: as long as it has given no
        // row and no transaction of ours is open, start it afresh.
        const int base = rc & 0xff;
        if ((base == SQLITE_BUSY || base == SQLITE_LOCKED) && !m_hadRow && sqlite3_get_autocommit(m_db)
            && !deadline.hasExpired()) {
            sqlite3_reset(m_stmt);
            QThread::msleep(20);
            continue;
        }
        const QString msg = Database::engineError(m_db);
        sqlite3_reset(m_stmt);
        m_hadRow = false;
        if (base == SQLITE_BUSY || base == SQLITE_LOCKED)
            throw BusyError(msg);
        throw Error(msg);
    }
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QString Statement::declaredType(int i) const
{
    const char *t = sqlite3_column_decltype(m_stmt, i);
    return t ? QString::fromUtf8(t).toUpper() : QString();
}

QVariant Statement::column(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, i)));
    }
    }
}

Database::Database(const QString &dataDir, Mode mode) : m_dataDir(dataDir), m_mode(mode)
{
    const QString file = path();
    const QString shown = QDir::toNativeSeparators(file);
    if (mode != Mode::Create && !QFileInfo::exists(file))
        throw Error(QStringLiteral("Die Datenbank ") + shown
                    + QStringLiteral(" kann nicht geöffnet werden: Datei nicht gefunden"));
    if (mode == Mode::Create)
        QDir().mkpath(dataDir);
    QString uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    int flags = SQLITE_OPEN_URI;
    if (mode == Mode::ReadOnly) {
        flags |= SQLITE_OPEN_READONLY;
        // Without a writable folder the log files cannot be made; nobody
        // can change the database there either.
        if (!QFileInfo(dataDir).isWritable())
            uri += QStringLiteral("?immutable=1");
    } else {
        flags |= SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0);
    }
    if (sqlite3_open_v2(uri.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const QString msg = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(QStringLiteral("Die Datenbank ") + shown + QStringLiteral(" kann nicht geöffnet werden: ") + msg);
    }
    try {
        configure();
        inspect();
        if (mode != Mode::ReadOnly)
            exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        checkSchema();
    } catch (...) {
        m_cache.clear();
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

Database::~Database()
{
    m_cache.clear();
    if (m_db)
        sqlite3_close(m_db);
}

QString Database::path() const
{
    return QDir(m_dataDir).filePath(fileName());
}

bool Database::isWritable(const QString &dataDir)
{
    const QFileInfo dir(dataDir);
    const QFileInfo file(QDir(dataDir).filePath(fileName()));
    return dir.isWritable() && (!file.exists() || file.isWritable());
}

void Database::configure()
{
    sqlite3_extended_result_codes(m_db, 1);
    // A double-quoted name is always a name, never a text: a statement about
    // a column the table lacks fails instead of comparing a constant.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(m_db, g_busyWaitMs);
    sqlite3_create_function(m_db, "torval_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldFunction, nullptr,
                            nullptr);
    sqlite3_create_function(m_db, "torval_ieq", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, caseInsensitiveEqual,
                            nullptr, nullptr);
    sqlite3_create_function(m_db, "torval_iprefix", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            caseInsensitivePrefix, nullptr, nullptr);
    // Food search compares letter case exactly.
    sqlite3_create_function(m_db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr,
                            nullptr);
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    // Keep the whole food table in memory once read: searches scan it.
    exec(QStringLiteral("PRAGMA cache_size=-65536"));
    exec(QStringLiteral("PRAGMA mmap_size=268435456"));
    // After a checkpoint the write-ahead log shrinks back to this size.
    exec(QStringLiteral("PRAGMA journal_size_limit=4194304"));
}

// Reads the file once: what is not a database at all, or an empty one where
// the program's tables are expected, is refused before anything is written.
void Database::inspect()
{
    const QString shown = QDir::toNativeSeparators(path());
    int objects = 0;
    {
        Statement s(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (s.step())
            objects = s.column(0).toInt();
    }
    if (objects == 0 && m_mode != Mode::Create)
        throw Error(QStringLiteral("Die Datenbank ") + shown
                    + QStringLiteral(" ist leer. Bitte stellen Sie die Datenbank aus einer Sicherung wieder her "
                                     "oder installieren Sie das Programm neu."));
    if (objects == 0)
        ensureSchema();
}

QString Database::engineError(sqlite3 *db, const QString &pathGiven)
{
    const char *file = db ? sqlite3_db_filename(db, "main") : nullptr;
    const QString path = !pathGiven.isEmpty() ? pathGiven
                         : (file && *file)    ? QDir::toNativeSeparators(QString::fromUtf8(file))
                                              : QString();
    const QString named = path.isEmpty() ? QStringLiteral("Die Datenbank") : QStringLiteral("Die Datenbank ") + path;
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    switch (db ? sqlite3_extended_errcode(db) & 0xff : SQLITE_ERROR) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Die Datenbank wird gerade von einem anderen Programmfenster benutzt. Bitte schließen "
                              "Sie das andere Fenster des Programms oder versuchen Sie es in einigen Sekunden noch "
                              "einmal");
    case SQLITE_READONLY:
        return named + QStringLiteral(" ist schreibgeschützt; Änderungen können nicht gespeichert werden");
    case SQLITE_FULL:
        return QStringLiteral("Der Datenträger ist voll; die Änderungen konnten nicht gespeichert werden");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return named
               + QStringLiteral(" ist beschädigt oder keine Datenbank dieses Programms. Bitte stellen Sie "
                                "sie aus einer Sicherung wieder her oder installieren Sie das Programm neu");
    case SQLITE_IOERR:
        return named + QStringLiteral(" kann nicht gelesen oder geschrieben werden (Ein-/Ausgabefehler)");
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return named + QStringLiteral(" kann nicht geöffnet werden");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Der Datensatz verletzt eine Bedingung der Datenbank (") + detail + u')';
    default:
        return QStringLiteral("Datenbankfehler: ") + germanDetail(detail);
    }
}

void Database::exec(const QString &sql, const QVariantList &params)
{
    Statement s(m_db, sql);
    s.bindAll(params);
    while (s.step()) {
    }
}

CachedStatement Database::cached(const QString &sql)
{
    auto it = m_cache.find(sql);
    if (it == m_cache.end())
        it = m_cache.insert(sql, std::make_shared<Statement>(m_db, sql));
    (*it)->reset();
    return CachedStatement(**it);
}

bool Database::hasTable(const QString &fileName)
{
    CachedStatement s = cached(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    s.bind(1, fileName);
    return s.step();
}

void Database::setBusyWait(int ms)
{
    g_busyWaitMs = ms;
    sqlite3_busy_timeout(m_db, ms);
}

int Database::busyWait()
{
    return g_busyWaitMs;
}

bool Database::hasOpenRead() const
{
    if (!sqlite3_get_autocommit(m_db))
        return true;
    for (sqlite3_stmt *s = sqlite3_next_stmt(m_db, nullptr); s; s = sqlite3_next_stmt(m_db, s))
        if (sqlite3_stmt_busy(s))
            return true;
    return false;
}

QStringList Database::missingColumns(const TableDef &def)
{
    QStringList present;
    Statement info(m_db, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    info.bind(1, def.fileName);
    while (info.step())
        present << info.column(0).toString();
    QStringList missing;
    for (const FieldDef &f : def.fields)
        if (!present.contains(f.name, Qt::CaseInsensitive))
            missing << f.name;
    return missing;
}

void Database::ensureSchema()
{
    Transaction t(*this);
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS _meta (key TEXT PRIMARY KEY, value TEXT)"));
    for (const TableDef &def : tableDefs()) {
        if (hasTable(def.fileName)) {
            // A table of an older version gets the columns it lacks.
            for (const QString &name : missingColumns(def)) {
                const FieldDef &f = def.fields.at(def.fieldIndex(name));
                if (f.type == FieldType::AutoInc)
                    throw Error(QStringLiteral("Die Datenbank ") + QDir::toNativeSeparators(path())
                                + QStringLiteral(" kann nicht aktualisiert werden: In der Tabelle ") + def.fileName
                                + QStringLiteral(" fehlt das Feld ") + f.name);
                exec(QStringLiteral("ALTER TABLE ") + quoteIdent(def.fileName) + QStringLiteral(" ADD COLUMN ")
                     + quoteIdent(f.name) + u' ' + sqlType(f.type));
            }
        } else {
            QStringList cols;
            for (const FieldDef &f : def.fields)
                cols << quoteIdent(f.name) + u' ' + sqlType(f.type);
            exec(QStringLiteral("CREATE TABLE ") + quoteIdent(def.fileName) + QStringLiteral(" (")
                 + cols.join(QStringLiteral(", ")) + u')');
        }
        for (const IndexDef &idx : def.indexes) {
            if (idx.name == u"PRIMARY" && idx.fields.size() == 1
                && def.fields.at(def.fieldIndex(idx.fields.first())).type == FieldType::AutoInc)
                continue; // the row number itself
            const QString name = quoteIdent(def.fileName + u'.' + idx.name);
            QStringList fields;
            for (const QString &f : idx.fields) {
                const FieldDef &field = def.fields.at(def.fieldIndex(f));
                // A unique key counts an empty text as one value, however
                // often it is stored empty or left out.
                fields << (idx.unique && field.type == FieldType::Text
                               ? QStringLiteral("coalesce(") + quoteIdent(field.name) + QStringLiteral(",'')")
                               : quoteIdent(field.name));
            }
            const QString create = QStringLiteral("CREATE ") + (idx.unique ? QStringLiteral("UNIQUE ") : QString())
                                   + QStringLiteral("INDEX IF NOT EXISTS ") + name + QStringLiteral(" ON ")
                                   + quoteIdent(def.fileName) + QStringLiteral(" (") + fields.join(u',') + u')';
            if (!idx.unique) {
                exec(create);
                continue;
            }
            // A unique index of an older schema is made anew; where the
            // stored records do not allow that, the old one stays.
            exec(QStringLiteral("SAVEPOINT unique_index"));
            try {
                exec(QStringLiteral("DROP INDEX IF EXISTS ") + name);
                exec(create);
            } catch (const Error &) {
                exec(QStringLiteral("ROLLBACK TO unique_index"));
            }
            exec(QStringLiteral("RELEASE unique_index"));
        }
        // The best lists walk the foods by one nutrient, highest first; equal
        // values keep record order.
        if (def.fileName == u"Nahrung.adt")
            for (const Nutrient &n : nutrients())
                exec(QStringLiteral("CREATE INDEX IF NOT EXISTS ")
                     + quoteIdent(def.fileName + QStringLiteral("_rank_") + n.columnName()) + QStringLiteral(" ON ")
                     + quoteIdent(def.fileName) + QStringLiteral(" (") + quoteIdent(n.columnName())
                     + QStringLiteral(" DESC)"));
        // The category filter walks the records of one category.
        if (def.fieldIndex(QStringLiteral("Kategorie")) >= 0)
            exec(QStringLiteral("CREATE INDEX IF NOT EXISTS ") + quoteIdent(def.fileName + QStringLiteral(".KAT"))
                 + QStringLiteral(" ON ") + quoteIdent(def.fileName) + QStringLiteral(" (\"Kategorie\")"));
    }
    setMeta(QStringLiteral("schema_version"), QString::number(schemaVersion()));
    t.commit();
}

void Database::checkSchema()
{
    const QString shown = QDir::toNativeSeparators(path());
    if (!hasTable(QStringLiteral("_meta")))
        throw Error(QStringLiteral("Die Datei ") + shown
                    + QStringLiteral(" ist keine Datenbank dieses Programms. Bitte stellen Sie die Datenbank aus "
                                     "einer Sicherung wieder her oder installieren Sie das Programm neu."));
    bool ok = false;
    const int version = meta(QStringLiteral("schema_version")).toInt(&ok);
    if (!ok)
        throw Error(QStringLiteral("Die Datenbank ") + shown
                    + QStringLiteral(" ist beschädigt: Ihre Version ist nicht vermerkt."));
    if (version > schemaVersion())
        throw Error(QStringLiteral("Die Datenbank ") + shown
                    + QStringLiteral(" wurde von einer neueren Version des Programms angelegt und kann mit dieser "
                                     "Version nicht geöffnet werden. Bitte installieren Sie die neuere Version."));
    if (version < schemaVersion() && m_mode != Mode::ReadOnly)
        ensureSchema();
    for (const TableDef &def : tableDefs()) {
        if (!hasTable(def.fileName))
            throw Error(QStringLiteral("Die Datenbank ") + shown + QStringLiteral(" ist unvollständig: Die Tabelle ")
                        + def.fileName + QStringLiteral(" fehlt."));
        const QStringList missing = missingColumns(def);
        if (!missing.isEmpty())
            throw Error(QStringLiteral("Die Datenbank ") + shown + QStringLiteral(" ist unvollständig: In der Tabelle ")
                        + def.fileName + QStringLiteral(" fehlt das Feld ") + missing.first() + u'.');
    }
}

QString Database::meta(const QString &key)
{
    CachedStatement s = cached(QStringLiteral("SELECT value FROM _meta WHERE key=?"));
    s.bind(1, key);
    return s.step() ? s.column(0).toString() : QString();
}

void Database::setMeta(const QString &key, const QString &value)
{
    exec(QStringLiteral("INSERT OR REPLACE INTO _meta (key, value) VALUES (?, ?)"), {key, value});
}

void Database::begin()
{
    if (m_depth == 0) {
        // Takes the write lock at once (waiting while another program
        // window writes), so that no statement inside can find it taken.
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        m_failed = false;
    }
    ++m_depth;
}

void Database::commit()
{
    if (m_depth <= 0)
        return;
    if (--m_depth == 0) {
        if (m_failed) {
            exec(QStringLiteral("ROLLBACK"));
            throw Error(QStringLiteral("Die Änderungen wurden zurückgenommen"));
        }
        try {
            exec(QStringLiteral("COMMIT"));
        } catch (...) {
            if (!sqlite3_get_autocommit(m_db))
                try {
                    exec(QStringLiteral("ROLLBACK"));
                } catch (...) {
                }
            throw;
        }
    }
}

void Database::rollback()
{
    if (m_depth <= 0)
        return;
    m_failed = true;
    if (--m_depth == 0)
        exec(QStringLiteral("ROLLBACK"));
}

} // namespace torval::store
