#include "query.h"
#include "database.h"
#include "core/error.h"
#include "core/numfmt.h"

namespace torval::store {

Query::Query(Database &db) : m_db(db) {}
Query::~Query() = default;

void Query::setSql(const QString &sql)
{
    close();
    m_sql = sql;
}

void Query::open()
{
    close();
    m_stmt = std::make_unique<Statement>(m_db.handle(), m_sql);
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
}

QVariant Query::columnValue(int c) const
{
    if (!m_hasRow || c < 0 || c >= m_names.size())
        return {};
    if (!m_rowCopied)
        return m_stmt->column(c);
    if (!m_lastRowRead) {
        // Read after the walk passed the end: walk to the last row again.
        Statement again(m_db.handle(), m_sql);
        for (int i = 0; i < m_recNo; ++i)
            again.step();
        for (int i = 0; i < m_names.size(); ++i)
            m_lastRow[i] = again.column(i);
        m_lastRowRead = true;
    }
    return m_lastRow.at(c);
}

bool Query::first()
{
    if (!m_open)
        throw Error(QStringLiteral("Die Abfrage ist nicht geöffnet"));
    m_stmt->reset();
    m_rowCopied = false;
    m_hasRow = m_stmt->step();
    m_eof = !m_hasRow;
    m_recNo = m_hasRow ? 1 : 0;
    return m_hasRow;
}

bool Query::next()
{
    if (!m_open || m_eof)
        return false;
    if (m_stmt->step()) {
        ++m_recNo;
        return true;
    }
    // The last row stays readable at the end, as with a table; it is read
    // again when it is asked for.
    m_lastRow = QVector<QVariant>(m_names.size());
    m_lastRowRead = false;
    m_rowCopied = true;
    m_eof = true;
    return false;
}

int Query::recordCount()
{
    if (!m_open)
        return 0;
    if (m_count < 0) {
        Statement s(m_db.handle(), QStringLiteral("SELECT count(*) FROM (") + m_sql + u')');
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
