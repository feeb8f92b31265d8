#pragma once

#include "database.h"
#include "query.h"
#include "table.h"

#include <QList>
#include <QString>
#include <memory>
#include <utility>

namespace torval::store {

// Every table handle of the program and the shared query handle, over one
// database in the data directory.
class Tables
{
public:
    explicit Tables(const QString &dataDir, Database::Mode mode = Database::Mode::ReadWrite);
    ~Tables();

    Database &db() { return *m_db; }
    const QString &dataDir() const { return m_db->dataDir(); }

    // Opens in the start-up order; throws on the first table that fails.
    void openAll();
    // Closes in the shut-down order.
    void closeAll();
    // Lets go of every read of the database that a walk still holds; the
    // handles keep their current records. Run at the end of each handler.
    void releaseReads();
    bool readOnly() const { return m_db->readOnly(); }

    // (handle name, handle) pairs in declaration order.
    QList<std::pair<QString, Table *>> handles() const;
    Table *byFileName(const QString &fileName) const;

    std::unique_ptr<Database> m_db;
    Table NMTable;
    Table NSTable;
    Table Artikeltable;
    Table BedarfTable;
    Table AnalyseTable;
    Table Analyse_LinkTable;
    Table RezepteTable;
    Table Rezept_LinkTable;
    Table UserTable;
    Table PrintTable;
    Query Query1;
};

} // namespace torval::store
