#include "measures.h"
#include "numfmt.h"

namespace torval {

namespace {

std::array<MeasurePage, kMeasurePageCount> makePages()
{
    const QString abbreviation = QStringLiteral("Abkürzung");
    const QString alternative = QStringLiteral("Alternativeinheit");
    return {{
        {QStringLiteral("Einheiten"),
         abbreviation,
         {
             {QStringLiteral("Kilogramm"), QStringLiteral("kg"), QStringLiteral("1000")},
             {QStringLiteral("Liter"), QStringLiteral("l"), QStringLiteral("1000")},
             {QStringLiteral("Milliliter"), QStringLiteral("ml"), QStringLiteral("1")},
             {QStringLiteral("Pfund"), QStringLiteral("P"), QStringLiteral("500")},
             {QStringLiteral("Zentiliter"), QStringLiteral("cl"), QStringLiteral("100")},
         }},
        {QStringLiteral("Löffel und Gläser"),
         abbreviation,
         {
             {QStringLiteral("Esslöffel (Flüssigkeiten, Getreide)"), QStringLiteral("EL"), QStringLiteral("12")},
             {QStringLiteral("Esslöffel (Mehl, Zucker, Gerichte)"), QStringLiteral("EL"), QStringLiteral("25")},
             {QStringLiteral("Glas"), QStringLiteral("-"), QStringLiteral("200")},
             {QStringLiteral("große Tasse"), QStringLiteral("-"), QStringLiteral("250")},
             {QStringLiteral("kleine Tasse"), QStringLiteral("-"), QStringLiteral("150")},
             {QStringLiteral("Teelöffel"), QStringLiteral("TL"), QStringLiteral("7")},
         }},
        {QStringLiteral("Brot/Brötchen"),
         alternative,
         {
             {QStringLiteral("Helles Brötchen"), QStringLiteral("1 Stück"), QStringLiteral("40")},
             {QStringLiteral("Knäckebrot"), QStringLiteral("1 Scheibe"), QStringLiteral("10")},
             {QStringLiteral("Toastbrot"), QStringLiteral("1 Scheibe"), QStringLiteral("22")},
             {QStringLiteral("Vollkornbrot, Mischbrot"), QStringLiteral("1 Scheibe"), QStringLiteral("50")},
             {QStringLiteral("Vollkornbrötchen"), QStringLiteral("1 Stück"), QStringLiteral("50")},
             {QStringLiteral("Weißbrot"), QStringLiteral("1 Scheibe"), QStringLiteral("40")},
             {QStringLiteral("Zwieback"), QStringLiteral("1 Stück"), QStringLiteral("12")},
         }},
        {QStringLiteral("Brotaufstrich"),
         alternative,
         {
             {QStringLiteral("Honig"), QStringLiteral("1 TL"), QStringLiteral("12")},
             {QStringLiteral("Marmelade"), QStringLiteral("1 TL"), QStringLiteral("10")},
             {QStringLiteral("Nuss-Nougat-Creme"), QStringLiteral("1 TL"), QStringLiteral("10")},
             {QStringLiteral("Pflaumenmus"), QStringLiteral("1 TL"), QStringLiteral("17")},
             {QStringLiteral("Sirup"), QStringLiteral("1 TL"), QStringLiteral("17")},
         }},
        {QStringLiteral("Getreide"),
         alternative,
         {
             {QStringLiteral("Cornflakes"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("8")},
             {QStringLiteral("Gräupchen"), QStringLiteral("1 EL (gestr.)"), QStringLiteral("15")},
             {QStringLiteral("Grieß"), QStringLiteral("1 EL (gestr.)"), QStringLiteral("12")},
             {QStringLiteral("Mehl"), QStringLiteral("1 EL (gestr.)"), QStringLiteral("12")},
             {QStringLiteral("Reis, Nudeln (gestr.)"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("18")},
             {QStringLiteral("Vollkornhaferflocken"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("15")},
         }},
        {QStringLiteral("Kartoffeln, Gemüse"),
         alternative,
         {
             {QStringLiteral("Aubergine"), QStringLiteral("1 Stück"), QStringLiteral("290")},
             {QStringLiteral("Blattsalat (kleiner Kopf)"), QStringLiteral("1 Stück"), QStringLiteral("290")},
             {QStringLiteral("Blumenkohl (klein)"), QStringLiteral("1 Stück"), QStringLiteral("450")},
             {QStringLiteral("Broccolikopf (klein)"), QStringLiteral("1 Stück"), QStringLiteral("380")},
             {QStringLiteral("Champignon"), QStringLiteral("1 Stück"), QStringLiteral("16")},
             {QStringLiteral("Chocorée-Staude"), QStringLiteral("1 Stück"), QStringLiteral("150")},
             {QStringLiteral("Erbsen"), QStringLiteral("1 Stück"), QStringLiteral("6")},
             {QStringLiteral("Fenchelknolle"), QStringLiteral("1 Stück"), QStringLiteral("210")},
             {QStringLiteral("Gemüsezwiebel"), QStringLiteral("1 Stück"), QStringLiteral("180")},
             {QStringLiteral("Grüne Bohnen (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("5")},
             {QStringLiteral("Hülsenfrüchte"), QStringLiteral("1 EL"), QStringLiteral("15")},
             {QStringLiteral("Kartoffelbrei"), QStringLiteral("1 EL"), QStringLiteral("65")},
             {QStringLiteral("Kartoffelpuffer (klein)"), QStringLiteral("1 Stück"), QStringLiteral("60")},
             {QStringLiteral("Knödel"), QStringLiteral("1 Stück"), QStringLiteral("90")},
             {QStringLiteral("Kohlrabi (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("210")},
             {QStringLiteral("Kopf-, Rot-, Wirsing- oder Spitzkohl"), QStringLiteral("1 Stück"), QStringLiteral("460")},
             {QStringLiteral("Krokette"), QStringLiteral("1 Stück"), QStringLiteral("20")},
             {QStringLiteral("Kürbis (ohne Schale)"), QStringLiteral("1 Stück"), QStringLiteral("200")},
             {QStringLiteral("mittelgroße Kartoffel"), QStringLiteral("1 Stück"), QStringLiteral("65")},
             {QStringLiteral("Möhren"), QStringLiteral("1 Stück"), QStringLiteral("80")},
             {QStringLiteral("Paprikaschote"), QStringLiteral("1 Stück"), QStringLiteral("240")},
             {QStringLiteral("Pommes Frites"), QStringLiteral("1 Stück"), QStringLiteral("7")},
             {QStringLiteral("Poree"), QStringLiteral("1 Stange"), QStringLiteral("130")},
             {QStringLiteral("Radieschen"), QStringLiteral("1 Stück"), QStringLiteral("10")},
             {QStringLiteral("Rhababerstange"), QStringLiteral("1 Stück"), QStringLiteral("150")},
             {QStringLiteral("Rosenkohlröschen"), QStringLiteral("1 Stück"), QStringLiteral("11")},
             {QStringLiteral("Rote Bete"), QStringLiteral("1 Knolle"), QStringLiteral("120")},
             {QStringLiteral("Salatgurke (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("820")},
             {QStringLiteral("Sojakeimlinge"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("50")},
             {QStringLiteral("Spargel, geschält, gekocht"), QStringLiteral("1 Stück"), QStringLiteral("20")},
             {QStringLiteral("Spinat"), QStringLiteral("1 EL"), QStringLiteral("90")},
             {QStringLiteral("Tomaten"), QStringLiteral("1 Stück"), QStringLiteral("75")},
             {QStringLiteral("Zucchini (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("180")},
             {QStringLiteral("Zuckermais"), QStringLiteral("1 EL"), QStringLiteral("30")},
             {QStringLiteral("Zwiebel"), QStringLiteral("1 Stück"), QStringLiteral("60")},
         }},
        {QStringLiteral("Obst"),
         alternative,
         {
             {QStringLiteral("Ananas"), QStringLiteral("1 Scheibe"), QStringLiteral("90")},
             {QStringLiteral("Apfel, Birne (klein)"), QStringLiteral("1 Stück"), QStringLiteral("90")},
             {QStringLiteral("Aprikose (ohne Stein)"), QStringLiteral("1 Stück"), QStringLiteral("58")},
             {QStringLiteral("Banane (mittelgroß, ohne Schale)"), QStringLiteral("1 Stück"), QStringLiteral("110")},
             {QStringLiteral("Erdbeere"), QStringLiteral("1 Stück"), QStringLiteral("18")},
             {QStringLiteral("Grapefruit (ohne Schale)"), QStringLiteral("1 Stück"), QStringLiteral("320")},
             {QStringLiteral("Johannes-, Heidel- oder Himbeeren"), QStringLiteral("1 EL"), QStringLiteral("18")},
             {QStringLiteral("Kiwi (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("100")},
             {QStringLiteral("Mandarine (ohne Schale)"), QStringLiteral("1 Stück"), QStringLiteral("70")},
             {QStringLiteral("Nektarine (ohne Stein)"), QStringLiteral("1 Stück"), QStringLiteral("90")},
             {QStringLiteral("Orange (mittelgroß, ohne Schale)"), QStringLiteral("1 Stück"), QStringLiteral("120")},
             {QStringLiteral("Pfirsisch (ohne Stein)"), QStringLiteral("1 Stück"), QStringLiteral("120")},
             {QStringLiteral("Pflaumen (ohne Steine)"), QStringLiteral("1 Stück"), QStringLiteral("33")},
             {QStringLiteral("Stachelbeere"), QStringLiteral("1 Stück"), QStringLiteral("7")},
             {QStringLiteral("Süßkirschen"), QStringLiteral("1 Stück"), QStringLiteral("8")},
             {QStringLiteral("Wassermelone (mittelgroße Portion)"), QStringLiteral("1 Portion"), QStringLiteral("260")},
             {QStringLiteral("Weintraube (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("7,5")},
         }},
        {QStringLiteral("Milchprodukte"),
         alternative,
         {
             {QStringLiteral("Camembert (klein)"), QStringLiteral("1/4 Stück"), QStringLiteral("35")},
             {QStringLiteral("Harzer Roller, Korbkäse"), QStringLiteral("1/2 Stück"), QStringLiteral("80")},
             {QStringLiteral("Hüttenkäse"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("50")},
             {QStringLiteral("Magerquark"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("45")},
             {QStringLiteral("Mozarella"), QStringLiteral("1 Stück"), QStringLiteral("40")},
             {QStringLiteral("Parmesankäse"), QStringLiteral("1 TL"), QStringLiteral("10")},
             {QStringLiteral("Schlagsahne"), QStringLiteral("1 EL (gehäuft)"), QStringLiteral("30")},
             {QStringLiteral("Schmelzkäse"), QStringLiteral("1 Käseecke"), QStringLiteral("40")},
             {QStringLiteral("Schnittkäse"), QStringLiteral("1 Scheibe"), QStringLiteral("30")},
         }},
        {QStringLiteral("Wurst, Fleisch u. Fisch"),
         alternative,
         {
             {QStringLiteral("Brathering (klein)"), QStringLiteral("1 Stück"), QStringLiteral("150")},
             {QStringLiteral("Bratwurst (mittelgroß)"), QStringLiteral("1 Stück"), QStringLiteral("150")},
             {QStringLiteral("Fischstäbchen"), QStringLiteral("1 Stück"), QStringLiteral("30")},
             {QStringLiteral("Forelle"), QStringLiteral("1 Stück"), QStringLiteral("250")},
             {QStringLiteral("Frikadelle"), QStringLiteral("1 Stück"), QStringLiteral("150")},
             {QStringLiteral("Geflügelschnitzel"), QStringLiteral("1 Stück"), QStringLiteral("100")},
             {QStringLiteral("Grillhähnchen"), QStringLiteral("1/2 Stück"), QStringLiteral("300")},
             {QStringLiteral("Salami, Lachsschinken u. Mortadella"), QStringLiteral("1 Scheibe"), QStringLiteral("15")},
             {QStringLiteral("Scholle"), QStringLiteral("1 Stück"), QStringLiteral("230")},
             {QStringLiteral("Schweineschnitzel"), QStringLiteral("1 Stück"), QStringLiteral("140")},
             {QStringLiteral("Streichwurst (fingerdick)"), QStringLiteral("1 Stück"), QStringLiteral("30")},
             {QStringLiteral("Wiener Würstchen"), QStringLiteral("1 Stück"), QStringLiteral("35")},
             {QStringLiteral("Wurst und Braten"), QStringLiteral("1 Scheibe"), QStringLiteral("20")},
         }},
        {QStringLiteral("Fette, Desserts u. Süßes"),
         alternative,
         {
             {QStringLiteral("Bonbon"), QStringLiteral("1 Stück"), QStringLiteral("5 - 10")},
             {QStringLiteral("Butter, Margarine"), QStringLiteral("1 TL (gestr.)"), QStringLiteral("7")},
             {QStringLiteral("Dominostein"), QStringLiteral("1 Stück"), QStringLiteral("12")},
             {QStringLiteral("Ei"), QStringLiteral("1 Stück"), QStringLiteral("60")},
             {QStringLiteral("Eis"), QStringLiteral("1 Kugel"), QStringLiteral("75")},
             {QStringLiteral("Gummibär"), QStringLiteral("1 Stück"), QStringLiteral("2")},
             {QStringLiteral("Kartoffelchip"), QStringLiteral("1 Stück"), QStringLiteral("2,5")},
             {QStringLiteral("Keks"), QStringLiteral("1 Stück"), QStringLiteral("5")},
             {QStringLiteral("Kräcker"), QStringLiteral("1 Stück"), QStringLiteral("5")},
             {QStringLiteral("Kuchen"), QStringLiteral("1 Stück"), QStringLiteral("80 - 100")},
             {QStringLiteral("Mayonnaise"), QStringLiteral("1 TL"), QStringLiteral("13")},
             {QStringLiteral("Öl"), QStringLiteral("1 EL"), QStringLiteral("11")},
             {QStringLiteral("Praline"), QStringLiteral("1 Stück"), QStringLiteral("12")},
             {QStringLiteral("Pudding, Obst, Götterspeise"), QStringLiteral("1 Schälchen"), QStringLiteral("100")},
             {QStringLiteral("Rosinen"), QStringLiteral("1 EL"), QStringLiteral("18")},
             {QStringLiteral("Salzstange"), QStringLiteral("1 Stück"), QStringLiteral("1,5")},
             {QStringLiteral("Torte"), QStringLiteral("1 Stück"), QStringLiteral("130")},
             {QStringLiteral("Zucker"), QStringLiteral("1 TL (gehäuft)"), QStringLiteral("8")},
             {QStringLiteral("Zuckerwürfel"), QStringLiteral("1 Stück"), QStringLiteral("25")},
         }},
    }};
}

} // namespace

const std::array<MeasurePage, kMeasurePageCount> &measurePages()
{
    static const std::array<MeasurePage, kMeasurePageCount> pages = makePages();
    return pages;
}

QString measureLabel(const Measure &m)
{
    return QStringLiteral("mal ") + m.grams + QStringLiteral(" g (") + m.name + u')';
}

QString initialMeasureLabel()
{
    return QStringLiteral("mal 100 g (Wasser)");
}

QString takeOverAmount(const QString &label, int multiplier)
{
    const QString rest = label.mid(4);
    const qsizetype g = rest.indexOf(u'g');
    const QString grams = (g < 0 ? rest : rest.left(g)).trimmed();
    const double weight = parseFloat(grams);
    return Fixed4::fromDouble(weight * multiplier).toString();
}

} // namespace torval
