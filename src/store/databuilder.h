#pragma once

#include <QString>

namespace torval::store {

// Creates or updates the database in dataDir from the shipped sources in
// sourceDir (tables/*.csv, naehrstoffe/*.txt, files/*):
// - tables that only carry shipped data are replaced by the sources;
// - the food table is loaded when it is empty, and replaced by newer
//   sources only while nobody has edited it;
// - users, saved days and recipes are never touched once they exist;
// - the files under files/ are copied beside the database.
// Throws Error on unreadable sources.
void buildDataDirectory(const QString &sourceDir, const QString &dataDir);

} // namespace torval::store
