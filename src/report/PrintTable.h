#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QMainWindow;
class QWidget;

namespace torval::store {
class Tables;
}

namespace torval::report {

// The one way every printed list of the program goes: the rows go into the
// print table PRINT.ADT, then a report definition file from the data
// directory is run over that table and shown in the preview window, from
// which the user prints or exports.
//
// Both functions report every failure themselves through gui::dialogs() and
// never throw; they return whether a preview was shown. A missing definition
// file shows "Datei <path> kann nicht geöffnet werden"; the print table then
// keeps the rows just written.

// Empties PRINT.ADT, adds one record per row (Text1..Text5 from the row's
// texts, missing ones empty), then runs the definition file (a file name in
// the data directory, e.g. "Naehrstoff.frf") with preview. Values, by name,
// are placeholders for the whole report (its title even without rows).
bool printRows(store::Tables &tables, const QString &definitionFile, const QList<QStringList> &rows, QWidget *parent,
               const QHash<QString, QString> &values = {});

// Runs a definition with preview, without refilling anything: over the
// current rows of PRINT.ADT, or over the current record of the table that
// the definition names as its source (the recipe report).
bool runReport(store::Tables &tables, const QString &definitionFile, QWidget *parent,
               const QHash<QString, QString> &values = {});

// The preview window opened last, while it is open (objectName
// "ReportPreview"); null otherwise.
QMainWindow *lastPreview();

} // namespace torval::report
