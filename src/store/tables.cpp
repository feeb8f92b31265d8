#include "tables.h"

namespace torval::store {

namespace {
std::unique_ptr<Database> openDb(const QString &dataDir, Database::Mode mode)
{
    return std::make_unique<Database>(dataDir, mode);
}
} // namespace

Tables::Tables(const QString &dataDir, Database::Mode mode)
    : m_db(openDb(dataDir, mode)), NMTable(*m_db, QStringLiteral("Nahrung.adt")),
      NSTable(*m_db, QStringLiteral("Naehrstoff.adt")), Artikeltable(*m_db, QStringLiteral("Artikel.adt")),
      BedarfTable(*m_db, QStringLiteral("Bedarf.adt")), AnalyseTable(*m_db, QStringLiteral("Analyse.adt")),
      Analyse_LinkTable(*m_db, QStringLiteral("Analyse_Link.adt")), RezepteTable(*m_db, QStringLiteral("Rezepte.adt")),
      Rezept_LinkTable(*m_db, QStringLiteral("Rezept_Link.adt")), UserTable(*m_db, QStringLiteral("USER.ADT")),
      PrintTable(*m_db, QStringLiteral("PRINT.ADT")), Query1(*m_db)
{
    AnalyseTable.setIndexName(QStringLiteral("PRIMARY"));
    RezepteTable.setIndexName(QStringLiteral("PRIMARY"));
    Analyse_LinkTable.setMaster(&AnalyseTable, QStringLiteral("Rezept_Nr"), QStringLiteral("Rezept_Nr"),
                                QStringLiteral("REZEPT_IDX"));
    Rezept_LinkTable.setMaster(&RezepteTable, QStringLiteral("Rezept_Nr"), QStringLiteral("Rezept_Nr"),
                               QStringLiteral("REZEPT_IDX"));
}

Tables::~Tables()
{
    closeAll();
}

void Tables::openAll()
{
    for (Table *t : {&NMTable, &NSTable, &Artikeltable, &BedarfTable, &AnalyseTable, &Analyse_LinkTable, &RezepteTable,
                     &Rezept_LinkTable, &UserTable, &PrintTable})
        t->open();
}

void Tables::closeAll()
{
    for (Table *t : {&Analyse_LinkTable, &AnalyseTable, &Rezept_LinkTable, &RezepteTable, &NMTable, &NSTable,
                     &BedarfTable, &Artikeltable, &UserTable, &PrintTable}) {
        if (t->state() != Table::State::Browse && t->isOpen())
            t->cancel();
        t->close();
    }
    Query1.close();
}

void Tables::releaseReads()
{
    Query1.release();
}

QList<std::pair<QString, Table *>> Tables::handles() const
{
    auto *self = const_cast<Tables *>(this);
    return {{QStringLiteral("NMTable"), &self->NMTable},
            {QStringLiteral("NSTable"), &self->NSTable},
            {QStringLiteral("Artikeltable"), &self->Artikeltable},
            {QStringLiteral("BedarfTable"), &self->BedarfTable},
            {QStringLiteral("AnalyseTable"), &self->AnalyseTable},
            {QStringLiteral("Analyse_LinkTable"), &self->Analyse_LinkTable},
            {QStringLiteral("RezepteTable"), &self->RezepteTable},
            {QStringLiteral("Rezept_LinkTable"), &self->Rezept_LinkTable},
            {QStringLiteral("UserTable"), &self->UserTable},
            {QStringLiteral("PrintTable"), &self->PrintTable}};
}

Table *Tables::byFileName(const QString &fileName) const
{
    for (const auto &[name, t] : handles())
        if (t->fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

} // namespace torval::store
