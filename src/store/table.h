#pragma once

#include "schema.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace torval::store {

class Database;

struct LocateOptions
{
    bool caseInsensitive = false;
    bool partialKey = false;
};

// A handle on one table with a current record, in the manner of a desktop
// database component: navigation, locate, filter, editing, named indexes and
// a master-detail link. The handle reads and writes through SQLite; the
// record order is the order in which the records were stored.
class Table : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Database &db, const QString &fileName, QObject *parent = nullptr);
    ~Table() override;

    const TableDef &def() const { return *m_def; }
    QString fileName() const { return m_def->fileName; }
    Database &database() const { return m_db; }

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // Navigation. Each returns whether a record is current afterwards.
    bool first();
    bool last();
    bool next();  // at the end: eof() turns true, the record stays
    bool prior(); // at the start: bof() turns true
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return !m_hasRecord; }
    bool hasRecord() const { return m_hasRecord; }
    int recordCount();
    // Re-reads the current record (or the next one when it is gone).
    void refresh();
    // Number of the current record (the row number), 0 when none.
    qint64 recordId() const { return m_hasRecord ? m_rowid : 0; }
    bool gotoRecordId(qint64 id);

    // Moves to the first record (in the current order) whose fields equal the
    // values; moves only when one is found.
    bool locate(const QStringList &fields, const QVariantList &values, LocateOptions options = {});
    bool locate(const QString &field, const QVariant &value, LocateOptions options = {});

    // Filter "Field='value'" (a quote inside the value doubled).
    void setFilter(const QString &expression);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // Named indexes; empty name = record order.
    void setIndexName(const QString &name);
    QString indexName() const { return m_indexName; }

    // The handle shows only the records whose detailField equals masterField
    // of the master's current record, ordered by the given index; appended
    // records take the master's value.
    void setMaster(Table *master, const QString &masterField, const QString &detailField, const QString &indexName);

    // Field access on the current record (or the edit buffer).
    bool hasField(const QString &field) const { return m_def->fieldIndex(field) >= 0; }
    QVariant value(const QString &field) const;
    bool isNull(const QString &field) const;
    QString asString(const QString &field) const;
    double asFloat(const QString &field) const;
    int asInteger(const QString &field) const;
    bool asBoolean(const QString &field) const;
    QDate asDate(const QString &field) const;
    // One field of every record the handle shows, as text, in the handle's
    // order; the current record does not move.
    QStringList fieldTexts(const QString &field);

    // Writing needs edit() or append() first.
    void setValue(const QString &field, const QVariant &value);
    void setString(const QString &field, const QString &text);
    void setFloat(const QString &field, double v) { setValue(field, v); }
    void setInteger(const QString &field, int v) { setValue(field, v); }
    void setBoolean(const QString &field, bool v) { setValue(field, v); }
    void setDate(const QString &field, const QDate &d) { setValue(field, d); }
    void clearField(const QString &field) { setValue(field, QVariant()); }

    void edit();
    void append();
    void post();
    void cancel();
    // Leaves editing as moving to another record does: a record something
    // was written into is posted, an untouched new one is dropped.
    void checkBrowseMode();
    void remove();
    // Deletes every record the handle shows.
    void emptyTable();

Q_SIGNALS:
    // The current record changed (moved, posted, deleted).
    void recordChanged();

private:
    struct Where
    {
        QString sql;
        QVariantList params;
    };
    Where where() const;
    QStringList orderKeys() const;
    QString selectList() const;
    bool edge(bool toLast);
    bool step(bool forward);
    bool fetchOne(const QString &sql, const QVariantList &params);
    void loadRow(class Statement &s);
    void setNoRecord();
    void requireOpen() const;
    void requireEditing(const QString &field) const;
    int fieldIndexOrThrow(const QString &field) const;
    QVariantList currentKeyValues() const;
    void masterMoved();
    QVariant storeValue(const FieldDef &f, const QVariant &v) const;
    void markEdited();

    Database &m_db;
    const TableDef *m_def;
    State m_state = State::Inactive;
    qint64 m_rowid = 0;
    bool m_hasRecord = false;
    bool m_eof = true;
    bool m_bof = true;
    QVector<QVariant> m_row;
    QVector<QVariant> m_buffer;
    bool m_modified = false;
    qint64 m_savedRowid = 0;

    QString m_filterText;
    QString m_filterField;
    QVariant m_filterValue;
    bool m_filtered = false;

    QString m_indexName;
    QStringList m_indexFields;

    Table *m_master = nullptr;
    QString m_masterField;
    QString m_detailField;
};

} // namespace torval::store
