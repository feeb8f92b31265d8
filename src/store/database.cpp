#include "database.h"
#include "schema.h"
#include "core/catalogue.h"
#include "core/error.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>
#include <string_view>

namespace torval::store {

namespace {

[[noreturn]] void fail(sqlite3 *db, const QString &what)
{
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    throw Error(detail.isEmpty() ? what : what + QStringLiteral(": ") + detail);
}

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
        sqlite3_result_int(ctx, sqlite3_strnicmp(reinterpret_cast<const char *>(a),
                                                 reinterpret_cast<const char *>(b), nb) == 0);
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
// compared exactly. A pattern "%word%" without other wildcards, the food
// search's own form, is a plain substring search.
bool likeMatch(const char *t, const char *tEnd, const char *p, const char *pEnd)
{
    while (p < pEnd) {
        if (*p == '%') {
            while (p < pEnd && *p == '%')
                ++p;
            if (p == pEnd)
                return true;
            for (const char *s = t; s <= tEnd; ++s)
                if ((s == tEnd || (static_cast<unsigned char>(*s) & 0xC0) != 0x80) && likeMatch(s, tEnd, p, pEnd))
                    return true;
            return false;
        }
        if (t == tEnd)
            return false;
        if (*p == '_') {
            ++p;
            ++t;
            while (t < tEnd && (static_cast<unsigned char>(*t) & 0xC0) == 0x80)
                ++t;
            continue;
        }
        if (*p != *t)
            return false;
        ++p;
        ++t;
    }
    return t == tEnd;
}

void likeFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    const auto *pattern = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    if (!pattern || !text) {
        sqlite3_result_null(ctx);
        return;
    }
    const int np = sqlite3_value_bytes(argv[0]);
    const int nt = sqlite3_value_bytes(argv[1]);
    const std::string_view pv(pattern, size_t(np));
    if (np >= 2 && pv.front() == '%' && pv.back() == '%'
        && pv.substr(1, size_t(np - 2)).find_first_of("%_") == std::string_view::npos) {
        sqlite3_result_int(ctx, std::string_view(text, size_t(nt)).find(pv.substr(1, size_t(np - 2)))
                                    != std::string_view::npos);
        return;
    }
    sqlite3_result_int(ctx, likeMatch(text, text + nt, pattern, pattern + np));
}

} // namespace

Statement::Statement(sqlite3 *db, const QString &sql) : m_db(db), m_sql(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
        fail(db, QStringLiteral("Fehler in der SQL-Anweisung"));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
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
        fail(m_db, QStringLiteral("Parameter kann nicht gesetzt werden"));
}

void Statement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    throw Error(msg);
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
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_NULL: return QVariant();
    default: {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, i)));
    }
    }
}

Database::Database(const QString &dataDir, bool create) : m_dataDir(dataDir)
{
    const QString path = QDir(dataDir).filePath(fileName());
    if (!create && !QFileInfo::exists(path))
        throw Error(QStringLiteral("Die Datenbank ") + QDir::toNativeSeparators(path)
                    + QStringLiteral(" kann nicht geöffnet werden: Datei nicht gefunden"));
    if (create)
        QDir().mkpath(dataDir);
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(QStringLiteral("Die Datenbank ") + QDir::toNativeSeparators(path)
                    + QStringLiteral(" kann nicht geöffnet werden: ") + msg);
    }
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_create_function(m_db, "torval_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldFunction,
                            nullptr, nullptr);
    sqlite3_create_function(m_db, "torval_ieq", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            caseInsensitiveEqual, nullptr, nullptr);
    sqlite3_create_function(m_db, "torval_iprefix", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            caseInsensitivePrefix, nullptr, nullptr);
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    // Keep the whole food table in memory once read: searches scan it.
    exec(QStringLiteral("PRAGMA cache_size=-65536"));
    exec(QStringLiteral("PRAGMA mmap_size=268435456"));
    // Food search compares letter case exactly.
    exec(QStringLiteral("PRAGMA case_sensitive_like=ON"));
    sqlite3_create_function(m_db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr,
                            nullptr);
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS _meta (key TEXT PRIMARY KEY, value TEXT)"));
}

Database::~Database()
{
    m_cache.clear();
    if (m_db)
        sqlite3_close(m_db);
}

QString Database::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

void Database::exec(const QString &sql, const QVariantList &params)
{
    Statement s(m_db, sql);
    s.bindAll(params);
    while (s.step()) {
    }
}

Statement &Database::cached(const QString &sql)
{
    auto it = m_cache.find(sql);
    if (it == m_cache.end())
        it = m_cache.insert(sql, std::make_shared<Statement>(m_db, sql));
    (*it)->reset();
    return **it;
}

bool Database::hasTable(const QString &fileName)
{
    Statement &s = cached(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    s.bind(1, fileName);
    const bool found = s.step();
    s.reset();
    return found;
}

void Database::ensureSchema()
{
    Transaction t(*this);
    for (const TableDef &def : tableDefs()) {
        QStringList cols;
        for (const FieldDef &f : def.fields)
            cols << quoteIdent(f.name) + u' ' + sqlType(f.type);
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + quoteIdent(def.fileName) + QStringLiteral(" (")
             + cols.join(QStringLiteral(", ")) + u')');
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
    setMeta(QStringLiteral("schema_version"), schemaVersion());
    t.commit();
}

void Database::upgradeSchema()
{
    if (meta(QStringLiteral("schema_version")) != schemaVersion())
        ensureSchema();
}

QString Database::meta(const QString &key)
{
    Statement &s = cached(QStringLiteral("SELECT value FROM _meta WHERE key=?"));
    s.bind(1, key);
    const QString v = s.step() ? s.column(0).toString() : QString();
    s.reset();
    return v;
}

void Database::setMeta(const QString &key, const QString &value)
{
    exec(QStringLiteral("INSERT OR REPLACE INTO _meta (key, value) VALUES (?, ?)"), {key, value});
}

void Database::begin()
{
    if (m_depth++ == 0) {
        m_failed = false;
        exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
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
        exec(QStringLiteral("COMMIT"));
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
