#include "table.h"
#include "core/error.h"
#include "core/numfmt.h"
#include "database.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace torval::store {

namespace {

bool isTextual(FieldType t)
{
    return t == FieldType::Text || t == FieldType::Memo || t == FieldType::NumberText;
}

QString keyExpr(const FieldDef &f)
{
    const QString q = quoteIdent(f.name);
    if (isTextual(f.type))
        return QStringLiteral("coalesce(") + q + QStringLiteral(",'') COLLATE NOCASE");
    if (f.type == FieldType::Date)
        return QStringLiteral("coalesce(") + q + QStringLiteral(",'')");
    return QStringLiteral("coalesce(") + q + QStringLiteral(",-1e308)");
}

QVariant keyValue(const FieldDef &f, const QVariant &v)
{
    if (!v.isNull())
        return v;
    if (isTextual(f.type) || f.type == FieldType::Date)
        return QString();
    return -1e308;
}

} // namespace

Table::Table(Database &db, const QString &fileName, QObject *parent) : QObject(parent), m_db(db)
{
    m_def = tableDef(fileName);
    if (!m_def)
        throw Error(QStringLiteral("Unbekannte Tabelle ") + fileName);
}

Table::~Table() = default;

void Table::requireOpen() const
{
    if (m_state == State::Inactive)
        throw Error(QStringLiteral("Die Tabelle ") + m_def->fileName + QStringLiteral(" ist nicht geöffnet"));
}

int Table::fieldIndexOrThrow(const QString &field) const
{
    const int i = m_def->fieldIndex(field);
    if (i < 0)
        throw Error(m_def->fileName + QStringLiteral(": Feld '") + field + QStringLiteral("' nicht gefunden"));
    return i;
}

void Table::open()
{
    if (isOpen())
        return;
    if (!m_db.hasTable(m_def->fileName))
        throw Error(QStringLiteral("Die Tabelle ") + m_db.dataDir() + u'/' + m_def->fileName
                    + QStringLiteral(" kann nicht geöffnet werden: Tabelle nicht gefunden"));
    m_state = State::Browse;
    first();
}

void Table::close()
{
    m_state = State::Inactive;
    setNoRecord();
}

void Table::setNoRecord()
{
    m_hasRecord = false;
    m_rowid = 0;
    m_eof = m_bof = true;
    m_row = QVector<QVariant>(m_def->fields.size());
}

QString Table::selectList() const
{
    QString s = QStringLiteral("SELECT rowid");
    for (const FieldDef &f : m_def->fields)
        s += u',' + quoteIdent(f.name);
    return s + QStringLiteral(" FROM ") + quoteIdent(m_def->fileName);
}

Table::Where Table::where() const
{
    Where w;
    QStringList parts;
    if (m_filtered && !m_filterField.isEmpty()) {
        parts << quoteIdent(m_filterField) + QStringLiteral(" = ?");
        w.params << m_filterValue;
    }
    if (m_master) {
        if (!m_master->hasRecord()) {
            parts << QStringLiteral("0");
        } else {
            parts << quoteIdent(m_detailField) + QStringLiteral(" = ?");
            w.params << m_master->value(m_masterField);
        }
    }
    w.sql = parts.isEmpty() ? QStringLiteral("1") : parts.join(QStringLiteral(" AND "));
    return w;
}

QStringList Table::orderKeys() const
{
    QStringList keys;
    for (const QString &f : m_indexFields)
        keys << keyExpr(m_def->fields.at(m_def->fieldIndex(f)));
    keys << QStringLiteral("rowid");
    return keys;
}

QVariantList Table::currentKeyValues() const
{
    QVariantList vals;
    for (const QString &f : m_indexFields) {
        const int i = m_def->fieldIndex(f);
        vals << keyValue(m_def->fields.at(i), m_row.at(i));
    }
    vals << m_rowid;
    return vals;
}

void Table::loadRow(Statement &s)
{
    m_rowid = s.column(0).toLongLong();
    m_row.resize(m_def->fields.size());
    for (int i = 0; i < m_def->fields.size(); ++i)
        m_row[i] = s.column(i + 1);
    m_hasRecord = true;
}

bool Table::fetchOne(const QString &sql, const QVariantList &params)
{
    CachedStatement s = m_db.cached(sql);
    s.bindAll(params);
    const bool found = s.step();
    if (found)
        loadRow(s.statement());
    s.reset();
    return found;
}

bool Table::edge(bool toLast)
{
    requireOpen();
    if (m_state != State::Browse)
        checkBrowseMode();
    const Where w = where();
    QStringList keys = orderKeys();
    if (toLast)
        for (QString &k : keys)
            k += QStringLiteral(" DESC");
    const bool found = fetchOne(selectList() + QStringLiteral(" WHERE ") + w.sql + QStringLiteral(" ORDER BY ")
                                    + keys.join(u',') + QStringLiteral(" LIMIT 1"),
                                w.params);
    if (!found)
        setNoRecord();
    m_bof = !toLast || !found;
    m_eof = toLast || !found;
    Q_EMIT recordChanged();
    return found;
}

bool Table::step(bool forward)
{
    requireOpen();
    if (m_state != State::Browse)
        checkBrowseMode();
    bool &atEnd = forward ? m_eof : m_bof;
    if (!m_hasRecord) {
        atEnd = true;
        return false;
    }
    // The neighbour in the handle's order: the first record whose order keys
    // (ending in the record number) lie beyond the current record's.
    Where w = where();
    const QStringList keys = orderKeys();
    QStringList marks;
    QStringList order;
    for (const QString &k : keys) {
        marks << QStringLiteral("?");
        order << (forward ? k : k + QStringLiteral(" DESC"));
    }
    const QString sql = selectList() + QStringLiteral(" WHERE ") + w.sql + QStringLiteral(" AND (") + keys.join(u',')
                        + (forward ? QStringLiteral(") > (") : QStringLiteral(") < (")) + marks.join(u',')
                        + QStringLiteral(") ORDER BY ") + order.join(u',') + QStringLiteral(" LIMIT 1");
    w.params << currentKeyValues();
    if (fetchOne(sql, w.params)) {
        m_eof = m_bof = false;
        Q_EMIT recordChanged();
        return true;
    }
    atEnd = true;
    return false;
}

bool Table::first()
{
    return edge(false);
}

bool Table::last()
{
    return edge(true);
}

bool Table::next()
{
    return step(true);
}

bool Table::prior()
{
    return step(false);
}

int Table::recordCount()
{
    requireOpen();
    const Where w = where();
    CachedStatement s = m_db.cached(QStringLiteral("SELECT count(*) FROM ") + quoteIdent(m_def->fileName)
                                    + QStringLiteral(" WHERE ") + w.sql);
    s.bindAll(w.params);
    s.step();
    const int n = s.column(0).toInt();
    s.reset();
    return n;
}

bool Table::gotoRecordId(qint64 id)
{
    requireOpen();
    Where w = where();
    w.params << id;
    if (fetchOne(selectList() + QStringLiteral(" WHERE ") + w.sql + QStringLiteral(" AND rowid = ?"), w.params)) {
        m_eof = m_bof = false;
        Q_EMIT recordChanged();
        return true;
    }
    return false;
}

void Table::refresh()
{
    requireOpen();
    if (!m_hasRecord) {
        first();
        return;
    }
    if (gotoRecordId(m_rowid))
        return;
    if (!next())
        first();
}

bool Table::locate(const QString &field, const QVariant &value, LocateOptions options)
{
    return locate(QStringList{field}, QVariantList{value}, options);
}

bool Table::locate(const QStringList &fields, const QVariantList &values, LocateOptions options)
{
    requireOpen();
    if (m_state != State::Browse)
        checkBrowseMode();
    Where w = where();
    QStringList conds;
    for (int i = 0; i < fields.size(); ++i) {
        const FieldDef &f = m_def->fields.at(fieldIndexOrThrow(fields.at(i)));
        const QString q = quoteIdent(f.name);
        const QVariant v = i < values.size() ? values.at(i) : QVariant();
        if (v.isNull() || (isTextual(f.type) && v.toString().isEmpty() && !options.partialKey)) {
            if (isTextual(f.type))
                conds << QStringLiteral("coalesce(") + q + QStringLiteral(",'') = ''");
            else
                conds << q + QStringLiteral(" IS NULL");
            continue;
        }
        if (isTextual(f.type)) {
            const QString text = v.toString();
            if (options.caseInsensitive && options.partialKey) {
                conds << QStringLiteral("torval_iprefix(") + q + QStringLiteral(", ?)");
                w.params << text;
            } else if (options.caseInsensitive) {
                conds << QStringLiteral("torval_ieq(") + q + QStringLiteral(", ?)");
                w.params << text;
            } else if (options.partialKey) {
                conds << QStringLiteral("substr(") + q + QStringLiteral(",1,length(?)) = ?");
                w.params << text << text;
            } else {
                conds << q + QStringLiteral(" = ?");
                w.params << text;
            }
        } else {
            conds << q + QStringLiteral(" = ?");
            w.params << storeValue(f, v);
        }
    }
    const QString sql = selectList() + QStringLiteral(" WHERE ") + w.sql + QStringLiteral(" AND ")
                        + conds.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY ") + orderKeys().join(u',')
                        + QStringLiteral(" LIMIT 1");
    const qint64 oldRowid = m_rowid;
    const QVector<QVariant> oldRow = m_row;
    const bool oldHas = m_hasRecord;
    if (fetchOne(sql, w.params)) {
        m_eof = m_bof = false;
        Q_EMIT recordChanged();
        return true;
    }
    m_rowid = oldRowid;
    m_row = oldRow;
    m_hasRecord = oldHas;
    return false;
}

void Table::setFilter(const QString &expression)
{
    m_filterText = expression;
    m_filterField.clear();
    m_filterValue = QVariant();
    if (!expression.trimmed().isEmpty()) {
        static const QRegularExpression re(QStringLiteral("^\\s*(\\w+)\\s*=\\s*'((?:[^']|'')*)'\\s*$"));
        const auto m = re.match(expression);
        if (!m.hasMatch())
            throw Error(QStringLiteral("Ungültiger Filterausdruck: ") + expression);
        const int fi = fieldIndexOrThrow(m.captured(1));
        m_filterField = m_def->fields.at(fi).name;
        QString v = m.captured(2);
        v.replace(QStringLiteral("''"), QStringLiteral("'"));
        m_filterValue = v;
    }
    if (m_filtered && isOpen())
        first();
}

void Table::setFiltered(bool on)
{
    m_filtered = on;
    if (isOpen())
        first();
}

void Table::setIndexName(const QString &name)
{
    QStringList fields;
    if (!name.isEmpty()) {
        bool found = false;
        for (const IndexDef &idx : m_def->indexes)
            if (idx.name.compare(name, Qt::CaseInsensitive) == 0) {
                fields = idx.fields;
                found = true;
            }
        if (!found)
            throw Error(m_def->fileName + QStringLiteral(": Index '") + name + QStringLiteral("' nicht gefunden"));
    }
    m_indexName = name;
    m_indexFields.clear();
    for (const QString &f : fields)
        if (m_def->fields.at(fieldIndexOrThrow(f)).type != FieldType::AutoInc)
            m_indexFields << m_def->fields.at(fieldIndexOrThrow(f)).name;
    if (isOpen()) {
        if (!m_hasRecord || !gotoRecordId(m_rowid))
            first();
    }
}

void Table::setMaster(Table *master, const QString &masterField, const QString &detailField, const QString &indexName)
{
    m_master = master;
    m_masterField = masterField;
    m_detailField = m_def->fields.at(fieldIndexOrThrow(detailField)).name;
    setIndexName(indexName);
    connect(master, &Table::recordChanged, this, &Table::masterMoved);
    if (isOpen())
        first();
}

void Table::masterMoved()
{
    if (isOpen()) {
        if (m_state != State::Browse)
            cancel();
        first();
    }
}

QVariant Table::value(const QString &field) const
{
    const int i = fieldIndexOrThrow(field);
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer.value(i);
    return m_hasRecord ? m_row.value(i) : QVariant();
}

bool Table::isNull(const QString &field) const
{
    return value(field).isNull();
}

namespace {

QString textOf(const FieldDef &f, const QVariant &v)
{
    if (v.isNull())
        return QString();
    switch (f.type) {
    case FieldType::Float:
        return formatGeneral(v.toDouble());
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QString::number(v.toLongLong());
    case FieldType::Logical:
        return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Date:
        return formatDate(QDate::fromString(v.toString(), Qt::ISODate));
    default:
        if (v.typeId() == QMetaType::Double)
            return formatGeneral(v.toDouble());
        return v.toString();
    }
}

} // namespace

QString Table::asString(const QString &field) const
{
    return textOf(m_def->fields.at(fieldIndexOrThrow(field)), value(field));
}

QStringList Table::fieldTexts(const QString &field)
{
    requireOpen();
    const FieldDef &f = m_def->fields.at(fieldIndexOrThrow(field));
    const Where w = where();
    CachedStatement s = m_db.cached(QStringLiteral("SELECT ") + quoteIdent(f.name) + QStringLiteral(" FROM ")
                                    + quoteIdent(m_def->fileName) + QStringLiteral(" WHERE ") + w.sql
                                    + QStringLiteral(" ORDER BY ") + orderKeys().join(u','));
    s.bindAll(w.params);
    QStringList out;
    while (s.step())
        out << textOf(f, s.column(0));
    s.reset();
    return out;
}

double Table::asFloat(const QString &field) const
{
    const FieldDef &f = m_def->fields.at(fieldIndexOrThrow(field));
    const QVariant v = value(field);
    if (v.isNull())
        return 0.0;
    if (isTextual(f.type) && v.typeId() == QMetaType::QString)
        return parseFloat(v.toString());
    return v.toDouble();
}

int Table::asInteger(const QString &field) const
{
    const FieldDef &f = m_def->fields.at(fieldIndexOrThrow(field));
    const QVariant v = value(field);
    if (v.isNull())
        return 0;
    if (isTextual(f.type))
        return parseInt(v.toString());
    if (f.type == FieldType::Float)
        return int(roundToInt(v.toDouble()));
    return int(v.toLongLong());
}

bool Table::asBoolean(const QString &field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString)
        return v.toString().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
    return v.toLongLong() != 0;
}

QDate Table::asDate(const QString &field) const
{
    const FieldDef &f = m_def->fields.at(fieldIndexOrThrow(field));
    const QVariant v = value(field);
    if (v.isNull() || v.toString().isEmpty())
        return {};
    if (f.type == FieldType::Date)
        return QDate::fromString(v.toString(), Qt::ISODate);
    return parseDate(v.toString());
}

QVariant Table::storeValue(const FieldDef &f, const QVariant &v) const
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (f.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::NumberText: {
        QString s = (v.typeId() == QMetaType::Double) ? formatGeneral(v.toDouble()) : v.toString();
        if (f.width > 0 && s.size() > f.width)
            s.truncate(f.width);
        return s;
    }
    case FieldType::Float:
        if (v.typeId() == QMetaType::QString)
            return v.toString().trimmed().isEmpty() ? QVariant() : QVariant(parseFloat(v.toString()));
        return v.toDouble();
    case FieldType::Integer:
    case FieldType::AutoInc:
        if (v.typeId() == QMetaType::QString)
            return v.toString().trimmed().isEmpty() ? QVariant() : QVariant(qlonglong(parseInt(v.toString())));
        if (v.typeId() == QMetaType::Double)
            return qlonglong(roundToInt(v.toDouble()));
        return v.toLongLong();
    case FieldType::Logical:
        if (v.typeId() == QMetaType::QString)
            return qlonglong(v.toString().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 ? 1 : 0);
        return qlonglong(v.toBool() ? 1 : 0);
    case FieldType::Date:
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().toString(Qt::ISODate);
        if (v.toString().trimmed().isEmpty())
            return {};
        return parseDate(v.toString()).toString(Qt::ISODate);
    }
    return v;
}

void Table::requireEditing(const QString &field) const
{
    if (m_state != State::Edit && m_state != State::Insert)
        throw Error(m_def->fileName + QStringLiteral(": Feld '") + field
                    + QStringLiteral("' kann nur im Bearbeitungsmodus geändert werden"));
}

void Table::setValue(const QString &field, const QVariant &value)
{
    requireEditing(field);
    const int i = fieldIndexOrThrow(field);
    m_buffer[i] = storeValue(m_def->fields.at(i), value);
    m_modified = true;
}

void Table::setString(const QString &field, const QString &text)
{
    setValue(field, QVariant(text));
}

void Table::edit()
{
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (!m_hasRecord) {
        append();
        return;
    }
    m_buffer = m_row;
    m_modified = false;
    m_state = State::Edit;
}

void Table::append()
{
    requireOpen();
    if (m_state != State::Browse)
        checkBrowseMode();
    m_savedRowid = m_rowid;
    m_buffer = QVector<QVariant>(m_def->fields.size());
    if (m_master && m_master->hasRecord())
        m_buffer[m_def->fieldIndex(m_detailField)] = m_master->value(m_masterField);
    m_modified = false;
    m_state = State::Insert;
}

void Table::markEdited()
{
    if (m_def->fileName == u"Nahrung.adt" && m_db.meta(QStringLiteral("Nahrung.adt.edited")) != u"1")
        m_db.setMeta(QStringLiteral("Nahrung.adt.edited"), QStringLiteral("1"));
}

void Table::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    // Nothing changed: nothing to write.
    if (m_state == State::Edit && m_buffer == m_row) {
        m_state = State::Browse;
        m_buffer.clear();
        return;
    }
    QStringList cols;
    QVariantList params;
    for (int i = 0; i < m_def->fields.size(); ++i) {
        const FieldDef &f = m_def->fields.at(i);
        if (f.type == FieldType::AutoInc && (m_state == State::Edit || m_buffer.at(i).isNull()))
            continue;
        cols << quoteIdent(f.name);
        params << m_buffer.at(i);
    }
    try {
        qint64 id = m_rowid;
        if (m_state == State::Edit) {
            QStringList sets;
            for (const QString &c : cols)
                sets << c + QStringLiteral(" = ?");
            params << m_rowid;
            m_db.exec(QStringLiteral("UPDATE ") + quoteIdent(m_def->fileName) + QStringLiteral(" SET ")
                          + sets.join(u',') + QStringLiteral(" WHERE rowid = ?"),
                      params);
        } else {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i)
                marks << QStringLiteral("?");
            m_db.exec(QStringLiteral("INSERT INTO ") + quoteIdent(m_def->fileName) + QStringLiteral(" (")
                          + cols.join(u',') + QStringLiteral(") VALUES (") + marks.join(u',') + u')',
                      params);
            id = sqlite3_last_insert_rowid(m_db.handle());
        }
        markEdited();
        m_state = State::Browse;
        if (!gotoRecordId(id)) {
            // The record does not pass the filter or link: stay nearby.
            m_rowid = id;
            refresh();
        }
    } catch (const Error &e) {
        if (sqlite3_extended_errcode(m_db.handle()) == SQLITE_CONSTRAINT_UNIQUE) {
            QStringList keyFields;
            for (const IndexDef &idx : m_def->indexes)
                if (idx.unique)
                    for (const QString &f : idx.fields)
                        keyFields << m_def->fields.at(m_def->fieldIndex(f)).name;
            throw Error(QStringLiteral("Schlüsselverletzung in ") + m_def->fileName
                        + QStringLiteral(": Es gibt bereits einen Datensatz mit diesem Schlüssel (")
                        + keyFields.join(QStringLiteral(", ")) + u')');
        }
        throw;
    }
}

void Table::checkBrowseMode()
{
    // Moving away from a record being edited stores it, unless nothing was
    // written into it: an untouched new record is dropped.
    if (m_state == State::Insert && !m_modified)
        cancel();
    else
        post();
}

void Table::cancel()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        m_state = State::Browse;
        m_buffer.clear();
        Q_EMIT recordChanged();
    }
}

void Table::remove()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    m_state = State::Browse;
    if (!m_hasRecord)
        throw Error(m_def->fileName + QStringLiteral(": Kein Datensatz zum Löschen vorhanden"));
    m_db.exec(QStringLiteral("DELETE FROM ") + quoteIdent(m_def->fileName) + QStringLiteral(" WHERE rowid = ?"),
              {m_rowid});
    markEdited();
    // Stand on the record that followed, else on the one before.
    if (!next()) {
        if (!prior())
            setNoRecord();
        m_eof = true;
    }
    if (m_hasRecord && !gotoRecordId(m_rowid))
        first();
    Q_EMIT recordChanged();
}

void Table::emptyTable()
{
    requireOpen();
    m_state = State::Browse;
    const Where w = where();
    m_db.exec(QStringLiteral("DELETE FROM ") + quoteIdent(m_def->fileName) + QStringLiteral(" WHERE ") + w.sql,
              w.params);
    markEdited();
    first();
}

} // namespace torval::store
