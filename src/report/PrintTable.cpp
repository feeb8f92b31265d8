#include "PrintTable.h"
#include "ReportPreviewFrm.h"
#include "core/clock.h"
#include "core/error.h"
#include "core/reportdef.h"
#include "gui/handler.h"
#include "store/tables.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace torval::report {

namespace {

QPointer<QMainWindow> g_lastPreview;

const QStringList &printFields()
{
    static const QStringList fields = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"),
                                       QStringLiteral("Text4"), QStringLiteral("Text5")};
    return fields;
}

// Every row is stored before the report runs; a failure leaves the table
// as it was.
void fillPrintTable(store::Tables &tables, const QList<QStringList> &rows)
{
    store::Table &print = tables.PrintTable;
    store::Database::Transaction t(tables.db());
    print.emptyTable();
    for (const QStringList &row : rows) {
        print.append();
        for (int i = 0; i < printFields().size(); ++i)
            print.setString(printFields().at(i), row.value(i));
        print.post();
    }
    t.commit();
    print.first();
}

// The rows of the print table in the order they were added.
ReportData printTableData(store::Table &print)
{
    ReportData data;
    data.fields = printFields();
    for (bool ok = print.first(); ok && !print.eof(); ok = print.next()) {
        QStringList record;
        for (const QString &f : data.fields)
            record << print.asString(f);
        data.records << record;
    }
    print.first();
    return data;
}

// The current record of another table (the recipe report).
ReportData currentRecordData(store::Tables &tables, const QString &source, const QString &path)
{
    store::Table *table = tables.byFileName(source);
    if (!table)
        throw Error(QStringLiteral("Berichtsdefinition ") + path + QStringLiteral(": Quelle ") + source
                    + QStringLiteral(" ist keine Tabelle des Programms"));
    ReportData data;
    for (const store::FieldDef &f : table->def().fields)
        data.fields << f.name;
    if (table->hasRecord()) {
        QStringList record;
        for (const QString &f : data.fields)
            record << table->asString(f);
        data.records << record;
    }
    return data;
}

} // namespace

bool printRows(store::Tables &tables, const QString &definitionFile, const QList<QStringList> &rows, QWidget *parent,
               const QHash<QString, QString> &values)
{
    if (!gui::guarded([&] { fillPrintTable(tables, rows); }))
        return false;
    return runReport(tables, definitionFile, parent, values);
}

bool runReport(store::Tables &tables, const QString &definitionFile, QWidget *parent,
               const QHash<QString, QString> &values)
{
    bool shown = false;
    gui::guarded([&] {
        const QString path = QDir::toNativeSeparators(QDir(tables.dataDir()).filePath(definitionFile));
        if (!QFileInfo(path).isFile())
            throw Error(QStringLiteral("Datei ") + path + QStringLiteral(" kann nicht geöffnet werden"));
        const ReportDefinition def = readReportDefinition(path);
        ReportData data =
            def.readsPrintTable() ? printTableData(tables.PrintTable) : currentRecordData(tables, def.source, path);
        data.values = values;
        PreparedReport prepared;
        try {
            prepared = prepareReport(def, data, Clock::today());
        } catch (const Error &e) {
            throw Error(QStringLiteral("Berichtsdefinition ") + path + QStringLiteral(": ") + e.message());
        }
        auto *preview = new TReportPreviewForm(prepared, QFileInfo(definitionFile).completeBaseName(), parent);
        preview->show();
        g_lastPreview = preview;
        shown = true;
    });
    return shown;
}

QMainWindow *lastPreview()
{
    return g_lastPreview.data();
}

} // namespace torval::report
