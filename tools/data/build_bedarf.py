#!/usr/bin/env python3
"""Build data/tables/Bedarf.adt.csv and data/tables/Naehrstoff.adt.csv.

Bedarf.adt holds one row per person group with the daily reference amount of
each of the 26 nutrients in the unit of the nutrient catalogue. Every value is
taken, in this order of preference, from

  2000        the D-A-CH Referenzwerte, 1. Auflage 2000 (DGE/OeGE/SGE/SVE), as
              collected in reference-intakes/dach2000_figures_found.csv;
  aktuell     the current DGE reference values
              (reference-intakes/dge_current_mapped_to_20_groups.csv, or a
              DGE table quoted below with its address);
  abgeleitet  a rule written next to the value below (energy shares, scaling
              by energy, pregnancy supplements, estimates).

The comment column #Herkunft names the kind of every value of a row.

Naehrstoff.adt gets the 26 catalogue rows with name, unit and a general adult
daily reference ("Tagesbedarf", German number text). Its eight memo texts live
in data/naehrstoffe/*.txt and are not written here.

Usage: build_bedarf.py [--sources DIR] [--out DIR]
  DIR of --sources holds reference-intakes/ (default ../shared/data/sources
  beside the repository); --out is the data/tables directory.
"""

import argparse
import csv
import os
import sys
from collections import defaultdict

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# The 20 person groups in dialog order with their source group id.
GROUPS = [
    ("G01", "Säuglinge 0-3 Monate"),
    ("G02", "Säuglinge 4-12 Monate"),
    ("G03", "Kinder 1-3 Jahre"),
    ("G04", "Kinder 4-6 Jahre"),
    ("G05", "Kinder 7-9 Jahre"),
    ("G06", "Kinder 10-12 (w)"),
    ("G07", "Kinder 10-12 (m)"),
    ("G08", "Kinder 13-14 (w)"),
    ("G09", "Kinder 13-14 (m)"),
    ("G10", "Jugendliche 15-18 (w)"),
    ("G11", "Jugendliche 15-18 (m)"),
    ("G12", "Schwangere ab 4. Monat"),
    ("G13", "Frauen 19-24"),
    ("G14", "Männer 19-24"),
    ("G15", "Frauen 25-50"),
    ("G16", "Männer 25-50"),
    ("G17", "Frauen 51-65"),
    ("G18", "Männer 51-65"),
    ("G19", "Frauen >65"),
    ("G20", "Männer >65"),
]
CHILDREN = ["G%02d" % i for i in range(1, 12)]  # under 19 years
PREGNANT = "G12"
WOMEN_REF = "G15"  # women 25-50: base of the pregnancy rules
MEN_REF = "G16"

# Catalogue: Nahrung.adt column (= Kurzbezeichng), Bedarf.adt column, unit,
# full German name for the details page.
CATALOGUE = [
    ("Energie", "Energie", "kcal", "Energie"),
    ("Wasser", "Wasser", "g", "Wasser"),
    ("Eiweiss", "Eiweiss", "g", "Eiweiß (Protein)"),
    ("Fett", "Fett", "g", "Fett"),
    ("Kohlenhydrate", "Kohlenhydr", "g", "Kohlenhydrate"),
    ("Unges_Fetts", "Unges_Fett", "mg", "Ungesättigte Fettsäuren"),
    ("Cholesterin", "Cholesteri", "mg", "Cholesterin"),
    ("Alkohol", "Alkohol", "mg", "Alkohol (Ethanol)"),
    ("Harnsaeure", "Harnsaeure", "mg", "Harnsäure (aus Purinen)"),
    ("Tier_EW", "Tier_EW", "g", "Tierisches Eiweiß"),
    ("Ballaststoffe", "Ballaststo", "g", "Ballaststoffe"),
    ("Natrium", "Natrium", "mg", "Natrium"),
    ("Kalium", "Kalium", "mg", "Kalium"),
    ("Magnesium", "Magnesium", "mg", "Magnesium"),
    ("Calcium", "Calcium", "mg", "Calcium"),
    ("Phosphor", "Phosphor", "mg", "Phosphor"),
    ("Eisen", "Eisen", "µg", "Eisen"),
    ("Zink", "Zink", "µg", "Zink"),
    ("Vitamin_A", "Vit_A", "µg", "Vitamin A (Retinol)"),
    ("Carotin", "Carotin", "µg", "Carotin (Beta-Carotin)"),
    ("Vitamin_E", "Vit_E", "µg", "Vitamin E (Tocopherol)"),
    ("Folsaeure", "Folsaeure", "µg", "Folsäure (Folat)"),
    ("Vitamin_B1", "Vit_B1", "µg", "Vitamin B1 (Thiamin)"),
    ("Vitamin_B2", "Vit_B2", "µg", "Vitamin B2 (Riboflavin)"),
    ("Vitamin_B6", "Vit_B6", "µg", "Vitamin B6 (Pyridoxin)"),
    ("Vitamin_C", "Vit_C", "µg", "Vitamin C (Ascorbinsäure)"),
]

# Source nutrient key -> Bedarf.adt column, for the figures taken as they are.
SOURCE_KEY = {
    "water": "Wasser", "sodium": "Natrium", "potassium": "Kalium",
    "magnesium": "Magnesium", "calcium": "Calcium", "phosphorus": "Phosphor",
    "iron": "Eisen", "zinc": "Zink", "vitamin_a": "Vit_A",
    "vitamin_e": "Vit_E", "folate": "Folsaeure", "vitamin_b1": "Vit_B1",
    "vitamin_b2": "Vit_B2", "vitamin_b6": "Vit_B6", "vitamin_c": "Vit_C",
}
# Factor from the unit of the current DGE table to the catalogue unit.
CURRENT_FACTOR = {
    "Natrium": 1, "Kalium": 1, "Magnesium": 1, "Calcium": 1, "Phosphor": 1,
    "Eisen": 1000, "Zink": 1000, "Vit_E": 1000, "Folsaeure": 1,
    "Vit_B1": 1000, "Vit_B2": 1000, "Vit_B6": 1000, "Vit_C": 1000,
}
CURRENT_UNIT = {"mg/Tag": "mg", "µg/Tag": "µg"}

# --- figures and rules that are not in the two tables -----------------------

# Protein in g/day, current DGE (table "Empfohlene Zufuhr für Protein", Stand
# Ableitung 2017, g/Tag column; https://www.dge.de/wissenschaft/referenzwerte/protein/).
# The mapped table carries only the g/kg column of the same values.
PROTEIN_CURRENT_G = {
    "G06": 38, "G07": 37, "G08": 49, "G09": 50, "G10": 48, "G11": 62,
    "G13": 48, "G14": 57, "G15": 48, "G16": 57, "G17": 47, "G18": 55,
    "G19": 57, "G20": 67,
}
# D-A-CH 2000 protein for the unisex children's groups, from the printed
# figures (g/day): 0-<1/1-<2/2-<4 months 12/10/10 -> mean over the four months
# (12 + 10 + 10 + 10) / 4; 1-<4 y 14 m / 13 w -> mean; 4-<7 y: the m figure
# "15" is doubtful (the page prints 17 for girls at the same 0.9 g/kg), the
# w figure 17 is used; 7-<10 y 24.
PROTEIN_2000_G = {"G01": 10.5, "G02": 10, "G03": 13.5, "G04": 17, "G05": 24}

# Pregnancy from the 4th month: supplements over women 25-50.
PREGNANCY_ENERGY_KCAL = 255          # D-A-CH supplement from the 4th month
PREGNANCY_PROTEIN_G = (7 + 21) / 2   # DGE: 2nd trimester +7 g, 3rd +21 g
# Current DGE figures for pregnancy (not in the DGE tool table):
PREGNANCY_CURRENT_UG = {
    # 1.8 mg in the 2nd and 3rd trimester (https://www.dge.de/wissenschaft/faqs/vitaminb6/)
    "Vit_B6": 1800,
    # 105 mg from the 4th month (DGE figure as quoted on
    # https://www.gesundheits-lexikon.com/Schwangerschaft-Stillphase/Mikronaehrstoffe-fuer-Schwangere/Vitamin-C-in-der-Schwangerschaft-Wie-viel-brauchen-Mutter-und-Kind)
    "Vit_C": 105000,
    # 550 µg folate equivalents (D-A-CH revision 2013,
    # https://sprechzimmer.ch/Rubriken/Ernaehrung/Aktuell/Drei_Laender_aktualisieren_die_Referenzwerte_fuer_Calcium_und_Folsaeure.html)
    "Folsaeure": 550,
}
# Thiamin 1.2 mg (2nd) / 1.3 mg (3rd trimester), DGE table as printed on
# https://www.naehrwertrechner.de/info/naehrwerte/VB1/ -> mean of both.
PREGNANCY_B1_UG = (1200 + 1300) / 2

# Shares of energy (current DGE Richtwerte; a range is taken at its middle,
# "> 50 %" as 50 %).
FAT_SHARE = {"G01": 0.475, "G02": 0.40, "G03": 0.35}
for _g in ("G04", "G05", "G06", "G07", "G08", "G09"):
    FAT_SHARE[_g] = 0.325
CARB_SHARE = {"G01": 0.45, "G02": 0.47}
DEFAULT_FAT_SHARE = 0.30
DEFAULT_CARB_SHARE = 0.50
UNSATURATED_SHARE_OF_FAT = 2 / 3     # saturated fat at most 1/3 of fat (10 of 30 % energy)

# Share of protein that is animal protein: infants 0-3 months live on milk
# (all animal), 4-12 months mostly on milk, everyone else about half.
ANIMAL_PROTEIN_SHARE = {"G01": 1.0, "G02": 2 / 3}
DEFAULT_ANIMAL_PROTEIN_SHARE = 0.5

# Adult values of the columns for which no figure per group exists; children
# get them scaled by their energy against ADULT_ENERGY_KCAL, never above the
# adult value.
ADULT_ENERGY_KCAL = 2400   # mean of women and men 25-50 at PAL 1.6
CHOLESTEROL_MAX_MG = 300   # customary upper limit for adults
URIC_ACID_MAX_MG = 500     # purine-reduced diet guidance (source file)
CAROTENE_UG = 2000         # estimate: 2-4 mg beta-carotene per day, lower end
FIBRE_ADULT_G = 30         # current DGE: at least 30 g for adults

# Alcohol: adults take the tolerable maxima of the current DGE table. Infants,
# children, adolescents and pregnant women should drink none; a reference of 0
# would make the percentage meaningless, so they get a trace allowance of 1 g
# that covers the alcohol of ordinary foods (sausages, vinegar, fermented foods,
# cakes: up to about 1 g per 100 g) while any alcoholic drink is many times over.
ALCOHOL_TRACE_MG = 1000

# Naehrstoff.adt "Tagesbedarf": general adult reference = mean of women and men
# 25-50; for a maximum (alcohol) the lower of the two.
TAGESBEDARF_MIN_OF = {"Alkohol"}


def read_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def num(text):
    return float(text.strip().replace(",", "."))


def mean(values):
    values = list(values)
    return sum(values) / len(values)


class Table:
    def __init__(self):
        self.value = defaultdict(dict)   # group -> column -> float
        self.kind = defaultdict(dict)    # group -> column -> 2000|aktuell|abgeleitet

    def set(self, group, column, value, kind):
        if column in self.value[group]:
            return  # first (preferred) source wins
        if value is None or not value > 0:
            raise SystemExit("non-positive value %r for %s %s" % (value, group, column))
        self.value[group][column] = value
        self.kind[group][column] = kind


def load_2000(path, table):
    for r in read_csv(path):
        g, key, v = r["group_id"], r["nutrient"], r["value"]
        if r["edition"].startswith("D-A-CH 2000"):
            if key in SOURCE_KEY:
                table.set(g, SOURCE_KEY[key], num(v), "2000")
            elif key == "protein":
                table.set(g, "Eiweiss", PROTEIN_2000_G[g], "2000")


def load_current(path):
    """group -> key -> list of (sex, value text, unit, remark)."""
    cur = defaultdict(lambda: defaultdict(list))
    for r in read_csv(path):
        cur[r["group_id"]][r["nutrient"]].append((r["sex"], r["value"], r["unit"], r["remark"]))
    return cur


def current_value(cur, group, key):
    """Mean over the sexes of a plain current figure, None when there is none."""
    rows = [x for x in cur[group][key] if x[1] not in ("-", "")]
    if key == "energy":
        pal = [x for x in rows if "PAL 1,6" in x[3]]
        rows = pal or [x for x in rows if "PAL" not in x[3]]
    if not rows:
        return None
    return mean(num(x[1].lstrip(">")) for x in rows)


def build(sources):
    ri = os.path.join(sources, "reference-intakes")
    t = Table()
    load_2000(os.path.join(ri, "dach2000_figures_found.csv"), t)
    cur = load_current(os.path.join(ri, "dge_current_mapped_to_20_groups.csv"))
    ids = [g for g, _ in GROUPS]

    # Energy: current DGE at PAL 1.6 (infants without PAL); pregnancy derived.
    for g in ids:
        if g != PREGNANT:
            t.set(g, "Energie", current_value(cur, g, "energy"), "aktuell")
    t.set(PREGNANT, "Energie", t.value[WOMEN_REF]["Energie"] + PREGNANCY_ENERGY_KCAL, "abgeleitet")

    # Protein: 2000 for the children's groups (above), current g/day otherwise.
    for g, v in PROTEIN_CURRENT_G.items():
        t.set(g, "Eiweiss", v, "aktuell")
    t.set(PREGNANT, "Eiweiss", t.value[WOMEN_REF]["Eiweiss"] + PREGNANCY_PROTEIN_G, "abgeleitet")

    # Minerals and vitamins: current DGE figures fill the gaps of 2000.
    for key, column in SOURCE_KEY.items():
        if column not in CURRENT_FACTOR:
            continue
        for g in ids:
            if g == PREGNANT:
                continue
            rows = [x for x in cur[g][key] if x[1] != "-"]
            if not rows:
                continue
            units = {CURRENT_UNIT.get(x[2]) for x in rows}
            if None in units or len(units) != 1:
                raise SystemExit("unexpected unit for %s %s: %r" % (g, key, rows))
            v = current_value(cur, g, key)
            if column == "Zink":
                # phytate-dependent adult figures: the low-phytate figure
                v = min(num(x[1]) for x in rows)
            t.set(g, column, round(v * CURRENT_FACTOR[column], 6), "aktuell")

    # Pregnancy gaps.
    for column, v in PREGNANCY_CURRENT_UG.items():
        t.set(PREGNANT, column, v, "aktuell")
    t.set(PREGNANT, "Vit_B1", PREGNANCY_B1_UG, "abgeleitet")
    for column in ("Magnesium", "Phosphor", "Vit_E", "Vit_B2"):
        t.set(PREGNANT, column, t.value[WOMEN_REF][column], "abgeleitet")

    # Alcohol maximum.
    for g in ids:
        v = current_value(cur, g, "alcohol_max")
        if v is not None:
            t.set(g, "Alkohol", v * 1000, "aktuell")
        else:
            t.set(g, "Alkohol", ALCOHOL_TRACE_MG, "abgeleitet")

    # Uric acid: the diet guidance of the source file for adults.
    for r in read_csv(os.path.join(ri, "dach2000_figures_found.csv")):
        if r["nutrient"] == "uric_acid_max":
            assert num(r["value"]) == URIC_ACID_MAX_MG
    # Values scaled by energy for the children, adult values otherwise.
    for g in ids:
        f = min(1.0, t.value[g]["Energie"] / ADULT_ENERGY_KCAL) if g in CHILDREN else 1.0
        t.set(g, "Cholesteri", round(CHOLESTEROL_MAX_MG * f), "abgeleitet")
        t.set(g, "Harnsaeure", round(URIC_ACID_MAX_MG * f), "abgeleitet")
        t.set(g, "Carotin", round(CAROTENE_UG * f, -1), "abgeleitet")
        fibre = current_value(cur, g, "fibre")
        if fibre is not None:
            t.set(g, "Ballaststo", fibre, "aktuell")
        else:
            t.set(g, "Ballaststo", round(FIBRE_ADULT_G * f, 1), "abgeleitet")

    # Shares of energy and of protein.
    for g in ids:
        e = t.value[g]["Energie"]
        fat = e * FAT_SHARE.get(g, DEFAULT_FAT_SHARE) / 9
        t.set(g, "Fett", round(fat, 1), "abgeleitet")
        t.set(g, "Kohlenhydr", round(e * CARB_SHARE.get(g, DEFAULT_CARB_SHARE) / 4, 1), "abgeleitet")
        t.set(g, "Unges_Fett", round(fat * UNSATURATED_SHARE_OF_FAT * 1000), "abgeleitet")
        share = ANIMAL_PROTEIN_SHARE.get(g, DEFAULT_ANIMAL_PROTEIN_SHARE)
        t.set(g, "Tier_EW", round(t.value[g]["Eiweiss"] * share, 1), "abgeleitet")

    columns = [c[1] for c in CATALOGUE]
    for g in ids:
        missing = [c for c in columns if c not in t.value[g]]
        if missing:
            raise SystemExit("%s lacks %s" % (g, ", ".join(missing)))
    return t


def fmt(v):
    """Machine number text: shortest form, no trailing zeros."""
    if abs(v - round(v)) < 1e-9:
        return str(int(round(v)))
    return repr(round(v, 6)).rstrip("0").rstrip(".")


def german(v):
    """Tagesbedarf text: whole units (halves up), from 10000 on to hundreds."""
    if v >= 10000:
        v = int(v / 100 + 0.5) * 100
    else:
        v = int(v + 0.5)
    return str(v)


def write(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f, delimiter=";", lineterminator="\n", quoting=csv.QUOTE_MINIMAL)
        w.writerow(header)
        w.writerows(rows)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sources", default=os.path.join(os.path.dirname(REPO), "shared", "data", "sources"))
    ap.add_argument("--out", default=os.path.join(REPO, "data", "tables"))
    args = ap.parse_args(argv)

    t = build(args.sources)
    columns = [c[1] for c in CATALOGUE]
    rows = []
    counts = defaultdict(int)
    for g, name in GROUPS:
        kinds = " ".join("%s=%s" % (c, t.kind[g][c]) for c in columns)
        for c in columns:
            counts[t.kind[g][c]] += 1
        rows.append([name] + [fmt(t.value[g][c]) for c in columns] + [kinds])
    write(os.path.join(args.out, "Bedarf.adt.csv"), ["Gruppe"] + columns + ["#Herkunft"], rows)

    nrows = []
    for key, bedarf, unit, name in CATALOGUE:
        w, m = t.value[WOMEN_REF][bedarf], t.value[MEN_REF][bedarf]
        if key in TAGESBEDARF_MIN_OF:
            v, rule = min(w, m), "kleinerer Wert Frauen/Männer 25-50"
        else:
            v, rule = (w + m) / 2, "Mittel Frauen/Männer 25-50"
        nrows.append([key, name, unit, german(v), rule])
    write(os.path.join(args.out, "Naehrstoff.adt.csv"),
          ["Kurzbezeichng", "Naehrstoff", "Einheit", "Tagesbedarf", "#Tagesbedarf_Herkunft"], nrows)

    total = sum(counts.values())
    print("Bedarf.adt: %d groups x %d columns = %d values: %s" % (
        len(GROUPS), len(columns), total,
        ", ".join("%s %d" % (k, counts[k]) for k in ("2000", "aktuell", "abgeleitet"))))
    for c in columns:
        per = defaultdict(int)
        for g, _ in GROUPS:
            per[t.kind[g][c]] += 1
        print("  %-10s %s" % (c, ", ".join("%s %d" % (k, per[k]) for k in ("2000", "aktuell", "abgeleitet") if per[k])))


if __name__ == "__main__":
    main(sys.argv[1:])
