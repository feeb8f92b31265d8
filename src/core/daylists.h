#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace torval {

// Rows of the two printed lists of the day, each row the texts of Text1 to
// Text5 of the print table.

// "Tabelle Nährstoffe": one row per result line, split at ";" from the left;
// the fifth text is all that follows the fourth ";".
QList<QStringList> nutrientTableRows(const QStringList &resultLines);

// "Nahrungsmittel-/Einkaufsliste": food name and amount text of each intake
// line; the other three texts empty.
QList<QStringList> shoppingListRows(const QStringList &intakeLines);

QString nutrientTableReport(); // "Naehrstoff.frf"
QString shoppingListReport();  // "Naehrmittel.frf"
QString emptyShoppingListMessage();

} // namespace torval
