#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace torval::store {

enum class FieldType { AutoInc, Text, Memo, Float, Integer, Logical, Date, NumberText };

struct FieldDef
{
    QString name;
    FieldType type;
    int width = 0; // text width in characters, 0 = unlimited
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool unique = false;
};

struct TableDef
{
    QString fileName;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;
    bool shipped = false;  // contents come from the shipped data and are never written by the program
    bool userData = false; // the user's own data; a rebuild never touches it

    int fieldIndex(const QString &name) const; // case-insensitive, -1 if unknown
};

const QList<TableDef> &tableDefs();
// By file name, case-insensitive; nullptr if unknown.
const TableDef *tableDef(const QString &fileName);

// SQL column type for a field type.
QString sqlType(FieldType t);
// The table name as a quoted SQL identifier.
QString quoteIdent(const QString &name);

} // namespace torval::store
