#include "catalogue.h"

namespace torval {

const std::array<Nutrient, kNutrientCount> &nutrients()
{
    static const std::array<Nutrient, kNutrientCount> list = {{
        {u"Energie", u"Energie", u"Energie", u"Energie", u"kcal", 884},
        {u"Wasser", u"Wasser", u"Wasser", u"Wasser", u"g", 100},
        {u"Eiweiss", u"Eiweiss", u"Eiweiß", u"Eiweiß", u"g", 84},
        {u"Fett", u"Fett", u"Fett", u"Fett", u"g", 100},
        {u"Kohlenhydrate", u"Kohlenhydr", u"Kohlenhydrate", u"Kohlenhydrate", u"g", 99},
        {u"Unges_Fetts", u"Unges_Fett", u"Unges. Fetts.", u"Unges. Fettsäuren", u"mg", 70000},
        {u"Cholesterin", u"Cholesteri", u"Cholesterin", u"Cholesterin", u"mg", 1260},
        {u"Alkohol", u"Alkohol", u"Alkohol", u"Alkohol", u"mg", 36000},
        {u"Harnsaeure", u"Harnsaeure", u"Harnsäure", u"Harnsäure", u"mg", 850},
        {u"Tier_EW", u"Tier_EW", u"Tier. Eiweiß", u"Tierisches Eiweiß", u"g", 40},
        {u"Ballaststoffe", u"Ballaststo", u"Ballaststoffe", u"Ballaststoffe", u"g", 58},
        {u"Natrium", u"Natrium", u"Natrium", u"Natrium", u"mg", 5000},
        {u"Kalium", u"Kalium", u"Kalium", u"Kalium", u"mg", 2000},
        {u"Magnesium", u"Magnesium", u"Magnesium", u"Magnesium", u"mg", 590},
        {u"Calcium", u"Calcium", u"Calcium", u"Calcium", u"mg", 1460},
        {u"Phosphor", u"Phosphor", u"Phosphor", u"Phosphor", u"mg", 1290},
        {u"Eisen", u"Eisen", u"Eisen", u"Eisen", u"µg", 20000},
        {u"Zink", u"Zink", u"Zink", u"Zink", u"µg", 15000},
        {u"Vitamin_A", u"Vit_A", u"Vitamin A", u"Vitamin A", u"µg", 2000},
        {u"Carotin", u"Carotin", u"Carotin", u"Carotin", u"µg", 9500},
        {u"Vitamin_E", u"Vit_E", u"Vitamin E", u"Vitamin E", u"µg", 60000},
        {u"Folsaeure", u"Folsaeure", u"Folsäure", u"Folsäure", u"µg", 300},
        {u"Vitamin_B1", u"Vit_B1", u"Vitamin B1", u"Vitamin B1", u"µg", 2000},
        {u"Vitamin_B2", u"Vit_B2", u"Vitamin B2", u"Vitamin B2", u"µg", 3500},
        {u"Vitamin_B6", u"Vit_B6", u"Vitamin B6", u"Vitamin B6", u"µg", 1500},
        {u"Vitamin_C", u"Vit_C", u"Vitamin C", u"Vitamin C", u"µg", 200000},
    }};
    return list;
}

const std::array<int, kNutrientCount> &chooserOrder()
{
    // Alkohol, Ballaststoffe, Calcium, Carotin, Cholesterin, Eisen, Eiweiss,
    // Energie, Fett, Folsaeure, Harnsaeure, Kalium, Kohlenhydrate, Magnesium,
    // Natrium, Phosphor, Tier_EW, Unges_Fetts, Vitamin_A, Vitamin_B1,
    // Vitamin_B2, Vitamin_B6, Vitamin_C, Vitamin_E, Wasser, Zink
    static const std::array<int, kNutrientCount> order = {7,  10, 14, 19, 6, 16, 2,  0,  3,  21, 8,  12, 4,
                                                          13, 11, 15, 9,  5, 18, 22, 23, 24, 25, 20, 1,  17};
    return order;
}

namespace {
template<typename F>
int findNutrient(const QString &text, F field, Qt::CaseSensitivity cs)
{
    const auto &list = nutrients();
    for (int i = 0; i < kNutrientCount; ++i)
        if (QString::compare(QString::fromUtf16(field(list[i])), text, cs) == 0)
            return i;
    return -1;
}
} // namespace

int nutrientByColumn(const QString &column)
{
    return findNutrient(
        column, [](const Nutrient &n) { return n.column; }, Qt::CaseInsensitive);
}

int nutrientByShortCaption(const QString &caption)
{
    return findNutrient(
        caption, [](const Nutrient &n) { return n.shortCaption; }, Qt::CaseInsensitive);
}

int nutrientByFullCaption(const QString &caption)
{
    return findNutrient(
        caption, [](const Nutrient &n) { return n.fullCaption; }, Qt::CaseInsensitive);
}

} // namespace torval
