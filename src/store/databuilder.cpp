#include "databuilder.h"
#include "core/error.h"
#include "core/sourcedata.h"
#include "database.h"
#include "schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace torval::store {

namespace {

QVariant sourceValue(const FieldDef &f, const QString &cell)
{
    if (cell.isEmpty())
        return {};
    bool ok = true;
    QVariant v;
    switch (f.type) {
    case FieldType::Float:
        v = cell.toDouble(&ok);
        break;
    case FieldType::Integer:
    case FieldType::AutoInc:
        v = cell.toLongLong(&ok);
        break;
    case FieldType::Logical:
        v = qlonglong(cell == u"1" || cell.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0);
        break;
    default:
        v = (f.width > 0 && cell.size() > f.width) ? cell.left(f.width) : cell;
    }
    if (!ok)
        throw Error(QStringLiteral("Ungültiger Wert '") + cell + QStringLiteral("' im Feld ") + f.name);
    return v;
}

// Replaces the contents of a table with the rows of its source file.
void loadTable(Database &db, const TableDef &def, const SourceTable &src, const QString &sourceDir)
{
    db.exec(QStringLiteral("DELETE FROM ") + quoteIdent(def.fileName));
    QList<int> fieldOfColumn;
    QStringList cols;
    for (const QString &h : src.header) {
        const int fi = h.startsWith(u'#') ? -1 : def.fieldIndex(h);
        fieldOfColumn << fi;
        if (fi >= 0)
            cols << quoteIdent(def.fields.at(fi).name);
        else if (!h.startsWith(u'#'))
            throw Error(def.fileName + QStringLiteral(": unbekannte Spalte ") + h);
    }
    // The descriptive texts of the nutrients come from their own files.
    const bool nutrientTexts = def.fileName == u"Naehrstoff.adt";
    QStringList textFields;
    if (nutrientTexts)
        for (const FieldDef &f : def.fields)
            if (f.type == FieldType::Memo) {
                textFields << f.name;
                cols << quoteIdent(f.name);
            }
    QStringList marks;
    for (int i = 0; i < cols.size(); ++i)
        marks << QStringLiteral("?");
    Statement ins(db.handle(), QStringLiteral("INSERT INTO ") + quoteIdent(def.fileName) + QStringLiteral(" (")
                                   + cols.join(u',') + QStringLiteral(") VALUES (") + marks.join(u',') + u')');
    for (const QStringList &row : src.rows) {
        ins.reset();
        int p = 1;
        for (int c = 0; c < fieldOfColumn.size(); ++c)
            if (fieldOfColumn.at(c) >= 0)
                ins.bind(p++, sourceValue(def.fields.at(fieldOfColumn.at(c)), row.value(c)));
        if (nutrientTexts) {
            const QString key = row.value(src.column(QStringLiteral("Kurzbezeichng")));
            const QString path =
                QDir(sourceDir).filePath(QStringLiteral("naehrstoffe/") + key + QStringLiteral(".txt"));
            QList<std::pair<QString, QString>> sections;
            if (QFileInfo::exists(path))
                sections = readSectionText(path);
            for (const QString &f : textFields) {
                QVariant text;
                for (const auto &[name, body] : sections)
                    if (name.compare(f, Qt::CaseInsensitive) == 0)
                        text = QString(body).replace(u'\n', QStringLiteral("\r\n"));
                ins.bind(p++, text);
            }
        }
        ins.step();
    }
}

QString fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
}

void copyFiles(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = QDir(to).filePath(rel);
        QDir().mkpath(QFileInfo(dst).absolutePath());
        if (QFileInfo::exists(dst) && fileHash(dst) == fileHash(src))
            continue;
        QFile::remove(dst);
        if (!QFile::copy(src, dst))
            throw Error(QStringLiteral("Datei ") + dst + QStringLiteral(" kann nicht geschrieben werden"));
        QFile::setPermissions(dst, QFile::permissions(dst) | QFileDevice::WriteOwner);
    }
}

} // namespace

void buildDataDirectory(const QString &sourceDir, const QString &dataDir)
{
    QDir().mkpath(dataDir);
    Database db(dataDir, Database::Mode::Create);
    Database::Transaction t(db);
    for (const TableDef &def : tableDefs()) {
        const QString path =
            QDir(sourceDir).filePath(QStringLiteral("tables/") + def.fileName + QStringLiteral(".csv"));
        if (!QFileInfo::exists(path))
            continue;
        if (def.shipped) {
            loadTable(db, def, readSourceTable(path), sourceDir);
            continue;
        }
        if (def.userData) {
            // Shipped examples go in once, into an empty table.
            Statement count(db.handle(), QStringLiteral("SELECT count(*) FROM ") + quoteIdent(def.fileName));
            count.step();
            if (count.column(0).toInt() == 0 && db.meta(def.fileName + QStringLiteral(".seeded")).isEmpty()) {
                loadTable(db, def, readSourceTable(path), sourceDir);
                db.setMeta(def.fileName + QStringLiteral(".seeded"), QStringLiteral("1"));
            }
            continue;
        }
        if (def.fileName == u"Nahrung.adt") {
            const QString hash = fileHash(path);
            Statement count(db.handle(), QStringLiteral("SELECT count(*) FROM \"Nahrung.adt\""));
            count.step();
            const bool empty = count.column(0).toInt() == 0;
            const bool edited = db.meta(QStringLiteral("Nahrung.adt.edited")) == u"1";
            if (empty || (!edited && db.meta(QStringLiteral("Nahrung.adt.hash")) != hash)) {
                loadTable(db, def, readSourceTable(path), sourceDir);
                db.setMeta(QStringLiteral("Nahrung.adt.hash"), hash);
                db.setMeta(QStringLiteral("Nahrung.adt.edited"), QStringLiteral("0"));
            }
        }
    }
    t.commit();
    const QString files = QDir(sourceDir).filePath(QStringLiteral("files"));
    if (QFileInfo::exists(files))
        copyFiles(files, dataDir);
}

} // namespace torval::store
