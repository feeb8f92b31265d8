#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

namespace torval::store {

class Database;
class Statement;
struct LocateOptions;

// The shared SQL query handle: a statement whose result is walked like a
// table. Rows are read as the walk goes, so the first rows of a large result
// come at once.
class Query
{
public:
    explicit Query(Database &db);
    ~Query();

    // Replacing the statement closes the previous result.
    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    void open();
    void close();
    bool isOpen() const { return m_open; }

    bool first();
    bool next();
    bool eof() const { return m_eof; }
    bool hasRecord() const { return m_hasRow; }
    int recordCount();
    int recNo() const { return m_recNo; } // 1-based, 0 when none

    // Walks from the first row to the first row whose field equals value.
    bool locate(const QString &field, const QString &value, bool caseInsensitive = false);

    int fieldCount() const { return m_names.size(); }
    QString fieldName(int i) const { return m_names.value(i); }
    bool hasField(const QString &field) const { return column(field) >= 0; }
    QVariant value(const QString &field) const;
    QString asString(const QString &field) const;
    double asFloat(const QString &field) const;
    int asInteger(const QString &field) const;

private:
    int column(const QString &field) const;
    int columnOrThrow(const QString &field) const;
    QVariant columnValue(int c) const;

    Database &m_db;
    QString m_sql;
    std::unique_ptr<Statement> m_stmt;
    bool m_open = false;
    bool m_eof = true;
    bool m_hasRow = false;
    int m_recNo = 0;
    int m_count = -1;
    QStringList m_names;
    QStringList m_types;
    // Values are read from the statement as they are asked for. Once the
    // walk has passed the end, the last row's values are read again on
    // demand and kept here.
    mutable QVector<QVariant> m_lastRow;
    mutable bool m_lastRowRead = false;
    bool m_rowCopied = false;
};

} // namespace torval::store
