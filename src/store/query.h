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
// come at once. Whoever has taken the rows it needs calls release(): the
// statement then lets go of the database (a read kept open would hold back
// the writers of other program windows and the log's checkpoint), while the
// current row stays readable and a later step picks the walk up again.
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
    // Ends the statement's read of the database; the walk stays where it is.
    void release();
    // Whether the statement is in the middle of a walk.
    bool holdsRead() const;

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
    std::unique_ptr<Statement> prepared() const;
    // The statement, live and standing on the current row again; null when
    // the result no longer reaches that row.
    Statement *live();
    void keepRow() const;

    Database &m_db;
    QString m_sql;
    std::unique_ptr<Statement> m_stmt; // null while released
    bool m_open = false;
    bool m_eof = true;
    bool m_hasRow = false;
    int m_recNo = 0;
    int m_count = -1;
    QStringList m_names;
    QStringList m_types;
    // Values are read from the live statement as they are asked for. When
    // the statement lets go (released, or the walk passed the end), the
    // current row's values are kept here.
    mutable QVector<QVariant> m_row;
    mutable bool m_rowKept = false;
};

} // namespace torval::store
