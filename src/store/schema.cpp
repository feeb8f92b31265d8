#include "schema.h"
#include "core/catalogue.h"

namespace torval::store {

int TableDef::fieldIndex(const QString &name) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {

FieldDef text(const char16_t *name, int width = 0)
{
    return {QString::fromUtf16(name), FieldType::Text, width};
}
FieldDef memo(const char16_t *name)
{
    return {QString::fromUtf16(name), FieldType::Memo, 0};
}
FieldDef flt(const char16_t *name)
{
    return {QString::fromUtf16(name), FieldType::Float, 0};
}
FieldDef integer(const char16_t *name)
{
    return {QString::fromUtf16(name), FieldType::Integer, 0};
}
FieldDef autoinc(const char16_t *name)
{
    return {QString::fromUtf16(name), FieldType::AutoInc, 0};
}
FieldDef date(const char16_t *name)
{
    return {QString::fromUtf16(name), FieldType::Date, 0};
}
FieldDef logical(const char16_t *name)
{
    return {QString::fromUtf16(name), FieldType::Logical, 0};
}

QList<TableDef> makeDefs()
{
    QList<TableDef> defs;

    TableDef nahrung{
        QStringLiteral("Nahrung.adt"),
        {autoinc(u"NM_Nr"), text(u"Kategorie", 40), text(u"Nahrungsmittel", 40), text(u"Food", 40), flt(u"Energie"),
         flt(u"Joule")},
        {{QStringLiteral("PRIMARY"), {QStringLiteral("NM_NR")}, true},
         {QStringLiteral("BEZEICHNG_IDX"), {QStringLiteral("NAHRUNGSMITTEL"), QStringLiteral("KATEGORIE")}, false}},
        false,
        false};
    // Water onwards in file order: the catalogue without Energie, with the
    // three columns that only the table carries.
    const QStringList order = {
        QStringLiteral("Wasser"),        QStringLiteral("Eiweiss"),       QStringLiteral("Fett"),
        QStringLiteral("Kohlenhydrate"), QStringLiteral("Unges_Fetts"),   QStringLiteral("Cholesterin"),
        QStringLiteral("Alkohol"),       QStringLiteral("Harnsaeure"),    QStringLiteral("Tier_EW"),
        QStringLiteral("Pflanzl_EW"),    QStringLiteral("Ballaststoffe"), QStringLiteral("Natrium"),
        QStringLiteral("Kalium"),        QStringLiteral("Magnesium"),     QStringLiteral("Calcium"),
        QStringLiteral("Phosphor"),      QStringLiteral("Eisen"),         QStringLiteral("Zink"),
        QStringLiteral("Vitamin_A"),     QStringLiteral("Carotin"),       QStringLiteral("Vitamin_E"),
        QStringLiteral("Folsaeure"),     QStringLiteral("Vitamin_B1"),    QStringLiteral("Vitamin_B2"),
        QStringLiteral("Vitamin_B6"),    QStringLiteral("Vitamin_C"),     QStringLiteral("Vitamin_K")};
    for (const QString &f : order)
        nahrung.fields.append({f, FieldType::Float, 0});
    defs << nahrung;

    defs << TableDef{QStringLiteral("Naehrstoff.adt"),
                     {text(u"Kurzbezeichng", 20), text(u"Naehrstoff", 60), text(u"Einheit", 10),
                      text(u"Tagesbedarf", 20), memo(u"Wirkung"), memo(u"Aufnahme"), memo(u"Mangel"),
                      memo(u"Ueberdosis"), memo(u"Zubereitung"), memo(u"Mehrbedarf"), memo(u"Tipp"), memo(u"Check")},
                     {},
                     true,
                     false};

    TableDef bedarf{QStringLiteral("Bedarf.adt"), {text(u"Gruppe", 22)}, {}, true, false};
    for (const Nutrient &n : nutrients())
        bedarf.fields.append({n.bedarfName(), FieldType::Float, 0});
    defs << bedarf;

    defs << TableDef{
        QStringLiteral("Analyse.adt"),
        {autoinc(u"Rezept_Nr"), text(u"Bezeichnung", 60), date(u"Datum"), text(u"Autor", 60), text(u"Info", 60)},
        {{QStringLiteral("PRIMARY"), {QStringLiteral("REZEPT_NR")}, true},
         {QStringLiteral("BEZEICHNG_IDX"), {QStringLiteral("BEZEICHNUNG")}, false},
         {QStringLiteral("DATUM_IDX"), {QStringLiteral("DATUM")}, false}},
        false,
        true};
    const QList<FieldDef> linkFields = {
        integer(u"Rezept_Nr"), integer(u"NM_Nr"), {QStringLiteral("Menge"), FieldType::NumberText, 20}};
    const QList<IndexDef> linkIndexes = {
        {QStringLiteral("REZEPT_IDX"), {QStringLiteral("REZEPT_NR"), QStringLiteral("NM_NR")}, false}};
    defs << TableDef{QStringLiteral("Analyse_Link.adt"), linkFields, linkIndexes, false, true};
    defs << TableDef{QStringLiteral("Rezepte.adt"),
                     {autoinc(u"Rezept_Nr"), text(u"Kategorie", 60), text(u"Bezeichnung", 60), date(u"Datum"),
                      text(u"Autor", 60), text(u"Info", 60), memo(u"Text")},
                     {{QStringLiteral("PRIMARY"), {QStringLiteral("REZEPT_NR")}, true},
                      {QStringLiteral("DATUM_IDX"), {QStringLiteral("DATUM")}, false},
                      {QStringLiteral("BEZEICHNG_IDX"), {QStringLiteral("BEZEICHNUNG")}, false}},
                     false,
                     true};
    defs << TableDef{QStringLiteral("Rezept_Link.adt"), linkFields, linkIndexes, false, true};
    defs << TableDef{QStringLiteral("USER.ADT"),
                     {text(u"Name", 40), text(u"Vorname", 40), text(u"Strasse", 60), text(u"PLZ", 5),
                      text(u"Wohnort", 60), text(u"Email", 80), text(u"Telefon", 30), text(u"Fax", 30),
                      text(u"BedarfGruppe", 22), integer(u"Gewicht"), integer(u"Geschlecht"), integer(u"Taetigkeit"),
                      integer(u"Stunden"), logical(u"SumkcalCheckBox"), flt(u"SportkCal"), text(u"Passwort", 20),
                      memo(u"SportStr")},
                     {{QStringLiteral("PRIMARY"), {QStringLiteral("NAME"), QStringLiteral("VORNAME")}, true}},
                     false,
                     true};
    defs << TableDef{QStringLiteral("SPORTFAKTOR.ADT"), {text(u"Bezeichnung", 40), flt(u"Faktor")}, {}, true, false};
    defs << TableDef{QStringLiteral("Artikel.adt"), {text(u"Artikel", 80)}, {}, true, false};
    defs << TableDef{QStringLiteral("PRINT.ADT"),
                     {memo(u"Text1"), memo(u"Text2"), memo(u"Text3"), memo(u"Text4"), memo(u"Text5")},
                     {},
                     false,
                     false};
    return defs;
}

} // namespace

const QList<TableDef> &tableDefs()
{
    static const QList<TableDef> defs = makeDefs();
    return defs;
}

const TableDef *tableDef(const QString &fileName)
{
    for (const TableDef &d : tableDefs())
        if (d.fileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return &d;
    return nullptr;
}

QString sqlType(FieldType t)
{
    switch (t) {
    case FieldType::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Float:
        return QStringLiteral("REAL");
    case FieldType::Integer:
        return QStringLiteral("INTEGER");
    case FieldType::Logical:
        return QStringLiteral("BOOLEAN");
    case FieldType::Date:
        return QStringLiteral("DATE");
    case FieldType::NumberText:
        return QStringLiteral("TEXT");
    case FieldType::Text:
        return QStringLiteral("TEXT");
    case FieldType::Memo:
        return QStringLiteral("TEXT");
    }
    return QStringLiteral("TEXT");
}

QString quoteIdent(const QString &name)
{
    QString s = name;
    s.replace(u'"', QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

} // namespace torval::store
