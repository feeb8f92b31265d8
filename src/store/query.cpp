#include "query.h"
#include "core/error.h"
#include "core/numfmt.h"
#include "database.h"

namespace torval::store {

namespace {

// The statements of the query handle are the program's texts with a user's
// search word or choice in them.
const QString kSqlPrefix = QStringLiteral("Fehler in der SQL-Anweisung");

} // namespace

Query::Query(Database &db) : m_db(db)
{}
Query::~Query() = default;

void Query::setSql(const QString &sql)
{
    close();
    m_sql = sql;
}

std::unique_ptr<Statement> Query::prepared() const
{
    return std::make_unique<Statement>(m_db.handle(), m_sql, kSqlPrefix);
}

void Query::open()
{
    close();
    m_stmt = prepared();
    m_names.clear();
    m_types.clear();
    for (int i = 0; i < m_stmt->columnCount(); ++i) {
        m_names << m_stmt->columnName(i);
        m_types << m_stmt->declaredType(i);
    }
    m_open = true;
    first();
}

void Query::close()
{
    m_stmt.reset();
    m_open = false;
    m_eof = true;
    m_hasRow = false;
    m_recNo = 0;
    m_count = -1;
    m_rowKept = false;
}

bool Query::holdsRead() const
{
    return m_stmt && !m_eof;
}

void Query::keepRow() const
{
    if (m_rowKept || !m_hasRow)
        return;
    m_row = QVector<QVariant>(m_names.size());
    if (m_stmt) {
        for (int i = 0; i < m_names.size(); ++i)
            m_row[i] = m_stmt->column(i);
    } else {
        // The statement let go at the end of the walk: read the row again.
        const std::unique_ptr<Statement> again = prepared();
        for (int i = 0; i < m_recNo; ++i)
            again->step();
        for (int i = 0; i < m_names.size(); ++i)
            m_row[i] = again->column(i);
    }
    m_rowKept = true;
}

void Query::release()
{
    if (!m_stmt)
        return;
    keepRow();
    m_stmt.reset();
}

Statement *Query::live()
{
    if (!m_stmt) {
        // Walk the fresh statement to where the released one stood.
        auto s = prepared();
        for (int i = 0; i < m_recNo; ++i)
            if (!s->step())
                return nullptr; // the result got shorter meanwhile
        m_stmt = std::move(s);
        m_rowKept = false;
    }
    return m_stmt.get();
}

QVariant Query::columnValue(int c) const
{
    if (!m_hasRow || c < 0 || c >= m_names.size())
        return {};
    if (!m_rowKept && !m_stmt)
        keepRow();
    if (m_rowKept)
        return m_row.at(c);
    return m_stmt->column(c);
}

bool Query::first()
{
    if (!m_open)
        throw Error(QStringLiteral("Die Abfrage ist nicht geöffnet"));
    if (!m_stmt)
        m_stmt = prepared();
    m_stmt->reset();
    m_rowKept = false;
    m_hasRow = m_stmt->step();
    m_eof = !m_hasRow;
    m_recNo = m_hasRow ? 1 : 0;
    if (m_eof)
        m_stmt.reset(); // nothing to walk: no read stays open
    return m_hasRow;
}

bool Query::next()
{
    if (!m_open || m_eof)
        return false;
    Statement *s = live();
    if (s && s->step()) {
        m_rowKept = false;
        ++m_recNo;
        return true;
    }
    // The last row stays current at the end, as with a table; it is read
    // again when it is asked for.
    m_eof = true;
    m_rowKept = false;
    m_stmt.reset();
    return false;
}

int Query::recordCount()
{
    if (!m_open)
        return 0;
    if (m_count < 0) {
        Statement s(m_db.handle(), QStringLiteral("SELECT count(*) FROM (") + m_sql + u')', kSqlPrefix);
        s.step();
        m_count = s.column(0).toInt();
    }
    return m_count;
}

bool Query::locate(const QString &field, const QString &value, bool caseInsensitive)
{
    const int c = columnOrThrow(field);
    const int savedRecNo = m_recNo;
    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (bool ok = first(); ok; ok = next())
        if (columnValue(c).toString().compare(value, cs) == 0)
            return true;
    // Not found: back to where the walk stood.
    first();
    while (m_recNo < savedRecNo && next()) {
    }
    return false;
}

int Query::column(const QString &field) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Query::columnOrThrow(const QString &field) const
{
    const int c = column(field);
    if (c < 0)
        throw Error(QStringLiteral("Abfrage: Feld '") + field + QStringLiteral("' nicht gefunden"));
    return c;
}

QVariant Query::value(const QString &field) const
{
    return columnValue(columnOrThrow(field));
}

QString Query::asString(const QString &field) const
{
    const int c = columnOrThrow(field);
    const QVariant v = columnValue(c);
    if (v.isNull())
        return QString();
    const QString &type = m_types.at(c);
    if (type == u"REAL" || v.typeId() == QMetaType::Double)
        return formatGeneral(v.toDouble());
    if (type == u"BOOLEAN")
        return v.toLongLong() ? QStringLiteral("True") : QStringLiteral("False");
    if (type == u"DATE")
        return formatDate(QDate::fromString(v.toString(), Qt::ISODate));
    return v.toString();
}

double Query::asFloat(const QString &field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return 0.0;
    if (v.typeId() == QMetaType::QString)
        return parseFloat(v.toString());
    return v.toDouble();
}

int Query::asInteger(const QString &field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString)
        return parseInt(v.toString());
    return int(roundToInt(v.toDouble()));
}

} // namespace torval::store
