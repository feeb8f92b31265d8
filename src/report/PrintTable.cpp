#include "PrintTable.h"
#include "core/error.h"
#include "gui/handler.h"
#include "store/tables.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
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

void showPreview(store::Tables &tables, const QString &path, QWidget *parent)
{
    Q_UNUSED(tables)
    auto *w = new QMainWindow(parent, Qt::Window);
    w->setObjectName(QStringLiteral("ReportPreview"));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setCentralWidget(new QLabel(path, w));
    w->show();
    g_lastPreview = w;
}

} // namespace

bool printRows(store::Tables &tables, const QString &definitionFile, const QList<QStringList> &rows,
               QWidget *parent)
{
    if (!gui::guarded([&] { fillPrintTable(tables, rows); }))
        return false;
    return runReport(tables, definitionFile, parent);
}

bool runReport(store::Tables &tables, const QString &definitionFile, QWidget *parent)
{
    return gui::guarded([&] {
        const QString path = QDir::toNativeSeparators(QDir(tables.dataDir()).filePath(definitionFile));
        if (!QFileInfo(path).isFile())
            throw Error(QStringLiteral("Datei ") + path + QStringLiteral(" kann nicht geöffnet werden"));
        showPreview(tables, path, parent);
    });
}

QMainWindow *lastPreview()
{
    return g_lastPreview.data();
}

} // namespace torval::report
