#!/usr/bin/env python3
"""Builds data/tables/Nahrung.adt.csv from the raw food composition sources.

Inputs (read only):
  ../shared/data/sources/swiss-fcdb-5.3/swiss_per100g_selected.csv
  ../shared/data/sources/usda-sr28/sr28_per100g_selected.csv
  ../shared/data/sources/usda-sr28/NUT_DATA.7z          (vitamin K, nutrient 430; needs `7z`)
  ../shared/data/sources/usda-purine-2023/purines_uric_acid_equivalents.csv
  tools/data/*.csv                                       (our hand-written mapping tables)

The source directory can be overridden with the environment variable
TORVAL_SOURCES. The output is deterministic: running the script twice gives
the same file. With --check the script only compares and exits 1 on a
difference.
"""

import csv
import io
import locale
import os
import re
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, '..', '..'))
SOURCES = os.environ.get('TORVAL_SOURCES',
                         os.path.normpath(os.path.join(REPO, '..', 'shared', 'data', 'sources')))
OUTPUT = os.path.join(REPO, 'data', 'tables', 'Nahrung.adt.csv')

COLUMNS = ['NM_Nr', 'Kategorie', 'Nahrungsmittel', 'Food', 'Energie', 'Joule', 'Wasser',
           'Eiweiss', 'Fett', 'Kohlenhydrate', 'Unges_Fetts', 'Cholesterin', 'Alkohol',
           'Harnsaeure', 'Tier_EW', 'Pflanzl_EW', 'Ballaststoffe', 'Natrium', 'Kalium',
           'Magnesium', 'Calcium', 'Phosphor', 'Eisen', 'Zink', 'Vitamin_A', 'Carotin',
           'Vitamin_E', 'Folsaeure', 'Vitamin_B1', 'Vitamin_B2', 'Vitamin_B6', 'Vitamin_C',
           'Vitamin_K', '#Quelle', '#Harnsaeure_Quelle']

# Our column -> column of the Swiss table (values already in our units).
SWISS_FIELDS = {
    'Energie': 'energy_kcal', 'Wasser': 'water_g', 'Eiweiss': 'protein_g', 'Fett': 'fat_g',
    'Kohlenhydrate': 'carbohydrate_available_g', 'Unges_Fetts': 'unsaturated_fa_mg',
    'Cholesterin': 'cholesterol_mg', 'Alkohol': 'alcohol_mg', 'Ballaststoffe': 'fibre_g',
    'Natrium': 'sodium_mg', 'Kalium': 'potassium_mg', 'Magnesium': 'magnesium_mg',
    'Calcium': 'calcium_mg', 'Phosphor': 'phosphorus_mg', 'Eisen': 'iron_ug', 'Zink': 'zinc_ug',
    'Vitamin_A': 'vitamin_a_re_ug', 'Carotin': 'beta_carotene_ug', 'Vitamin_E': 'vitamin_e_ug',
    'Folsaeure': 'folate_ug', 'Vitamin_B1': 'vitamin_b1_ug', 'Vitamin_B2': 'vitamin_b2_ug',
    'Vitamin_B6': 'vitamin_b6_ug', 'Vitamin_C': 'vitamin_c_ug',
}
# Our column -> column of the SR28 table (values already in our units).
SR28_FIELDS = dict(SWISS_FIELDS, Folsaeure='folate_total_ug')

NUTRIENTS = list(SWISS_FIELDS) + ['Vitamin_K']
# Decimal places written per column (the sources give fewer; this only trims
# the noise of the ml -> g conversion and of our own sums).
DECIMALS = {'Energie': 1, 'Wasser': 2, 'Eiweiss': 2, 'Fett': 2, 'Kohlenhydrate': 2,
            'Ballaststoffe': 2, 'Tier_EW': 2, 'Pflanzl_EW': 2, 'Harnsaeure': 1}


def fail(message):
    sys.stderr.write('build_nahrung: ' + message + '\n')
    sys.exit(1)


def read_semicolon(name):
    with open(os.path.join(HERE, name), encoding='utf-8', newline='') as f:
        return list(csv.DictReader(f, delimiter=';'))


def read_source(*parts):
    path = os.path.join(SOURCES, *parts)
    if not os.path.exists(path):
        fail('source file missing: ' + path)
    with open(path, encoding='utf-8', newline='') as f:
        return list(csv.DictReader(f))


def number(text):
    text = (text or '').strip()
    return float(text) if text else None


def fmt(value, decimals=3):
    if value is None:
        return ''
    text = ('%.' + str(decimals) + 'f') % value
    if '.' in text:
        text = text.rstrip('0').rstrip('.')
    return '0' if text in ('-0', '') else text


def vitamin_k_from_sr28():
    """Nutrient 430 (vitamin K1, µg per 100 g) for every SR28 food that has it."""
    archive = os.path.join(SOURCES, 'usda-sr28', 'NUT_DATA.7z')
    try:
        raw = subprocess.run(['7z', 'e', '-so', archive, 'NUT_DATA.txt'], check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        fail('cannot unpack %s with 7z (Debian package p7zip-full): %s' % (archive, error))
    values = {}
    for line in raw.decode('latin-1').splitlines():
        fields = line.split('^')
        if len(fields) > 2 and fields[1] == '~430~' and fields[2] != '':
            values[fields[0].strip('~')] = float(fields[2])
    if len(values) < 1000:
        fail('vitamin K: only %d values found in NUT_DATA' % len(values))
    return values


class Purines:
    """Uric-acid equivalents per food description (mean of all measured rows)."""

    def __init__(self):
        sums = {}
        for row in read_source('usda-purine-2023', 'purines_uric_acid_equivalents.csv'):
            value = number(row['uric_acid_equiv_mg'])
            if value is None:
                continue
            total, count = sums.get(row['description'], (0.0, 0))
            sums[row['description']] = (total + value, count + 1)
        self.values = {k: total / count for k, (total, count) in sums.items()}

    def evaluate(self, expression):
        """'0.5*Bread, white + 0.1*Tuna, canned' -> mg uric acid per 100 g."""
        total = 0.0
        for term in expression.split(' + '):
            match = re.match(r'^\s*([0-9.]+)\*(.+)$', term)
            factor, name = (float(match.group(1)), match.group(2)) if match else (1.0, term)
            name = name.strip()
            if name not in self.values:
                fail('purine reference not found: ' + name)
            total += factor * self.values[name]
        return total


class PurineRules:
    def __init__(self):
        self.rules = []
        for row in read_semicolon('harnsaeure_regeln.csv'):
            if row['art'] not in ('gemessen', 'geschätzt', 'frei'):
                fail('bad kind in harnsaeure_regeln.csv: ' + row['art'])
            self.rules.append((row['kat'], re.compile(row['muster']), row['referenz'], row['art']))

    def find(self, code, name):
        for kat, pattern, reference, kind in self.rules:
            if kat == code and pattern.search(name):
                return reference, kind
        fail('no uric-acid rule for %s / %s' % (code, name))


def sort_key(text):
    # German dictionary order: umlauts as their base letters, case ignored.
    text = text.replace('ß', 'ss')
    text = unicodedata.normalize('NFKD', text)
    text = ''.join(c for c in text if not unicodedata.combining(c))
    return text.casefold()


def build():
    categories = {r['code']: (r['Kategorie'], float(r['tier_anteil_standard']))
                  for r in read_semicolon('kategorien.csv')}
    swiss = {r['id']: r for r in read_source('swiss-fcdb-5.3', 'swiss_per100g_selected.csv')}
    sr28 = {r['ndb_no']: r for r in read_source('usda-sr28', 'sr28_per100g_selected.csv')}
    vitamin_k = vitamin_k_from_sr28()
    purines = Purines()
    rules = PurineRules()
    matches = {r['ch_id']: r['ndb'] for r in read_semicolon('ch_sr28_zuordnung.csv')}

    foods = []

    def sr28_values(ndb):
        src = sr28[ndb]
        values = {ours: number(src[theirs]) for ours, theirs in SR28_FIELDS.items()}
        if values['Kohlenhydrate'] is None and values['Ballaststoffe'] is None:
            # No fibre figure, so no "available" carbohydrate: take the
            # carbohydrate by difference (it then still holds the fibre).
            values['Kohlenhydrate'] = number(src['carbohydrate_by_difference_g'])
        if values['Vitamin_A'] is None and number(src['vitamin_a_rae_ug']) == 0:
            values['Vitamin_A'] = 0.0  # no retinol and no provitamin A at all
        values['Vitamin_K'] = vitamin_k.get(ndb)
        return values

    for row in read_semicolon('ch_lebensmittel.csv'):
        src = swiss.get(row['ch_id']) or fail('unknown Swiss id ' + row['ch_id'])
        values = {ours: number(src[theirs]) for ours, theirs in SWISS_FIELDS.items()}
        if values['Unges_Fetts'] is None and number(src['mufa_mg']) is not None \
                and number(src['pufa_mg']) is not None:
            values['Unges_Fetts'] = number(src['mufa_mg']) + number(src['pufa_mg'])
        values['Vitamin_K'] = None
        if src['per_100'] == 'ml':
            density = number(src['specific_gravity']) or 1.0
            values = {k: (v / density if v is not None else None) for k, v in values.items()}
        ndb = matches.get(row['ch_id'])
        filled = []
        if ndb:
            if ndb not in sr28:
                fail('unknown SR28 number %s for Swiss id %s' % (ndb, row['ch_id']))
            other = sr28_values(ndb)
            for key in NUTRIENTS:
                if values[key] is None and other[key] is not None:
                    values[key] = other[key]
                    filled.append(key)
        source = 'CH:' + row['ch_id'] + ('; SR28:%s (%s)' % (ndb, ','.join(filled)) if filled else '')
        foods.append((row, values, src['name_en'].strip(), source))

    for row in read_semicolon('sr28_lebensmittel.csv'):
        src = sr28.get(row['ndb']) or fail('unknown SR28 number ' + row['ndb'])
        foods.append((row, sr28_values(row['ndb']), src['long_desc'].strip(), 'SR28:' + row['ndb']))

    records = []
    names = set()
    for row, values, english, source in foods:
        code = row['kat']
        if code not in categories:
            fail('unknown category code ' + code)
        category, default_share = categories[code]
        name = row['Nahrungsmittel'].strip()
        if len(name) > 40 or ';' in name or not name:
            fail('bad food name: ' + name)
        if name in names:
            fail('food name used twice: ' + name)
        names.add(name)
        if values['Energie'] is None or values['Eiweiss'] is None:
            fail('no energy or protein for ' + name)

        share = float(row['tier_anteil']) if row['tier_anteil'] else default_share
        animal = round(values['Eiweiss'] * share, 2)
        plant = round(values['Eiweiss'] - animal, 2)

        reference, kind = rules.find(code, name)
        if kind == 'frei':
            uric, uric_note = 0.0, 'frei'
        else:
            uric, uric_note = purines.evaluate(reference), kind + ':' + reference

        values['Energie'] = round(values['Energie'], DECIMALS['Energie'])
        record = {
            'Kategorie': category, 'Nahrungsmittel': name, 'Food': english[:40].strip(),
            'Joule': fmt(round(values['Energie'] * 4.184), 0),
            'Harnsaeure': fmt(uric, 1), 'Tier_EW': fmt(animal, 2), 'Pflanzl_EW': fmt(plant, 2),
            '#Quelle': source, '#Harnsaeure_Quelle': uric_note,
        }
        for key in NUTRIENTS:
            record[key] = fmt(values[key], DECIMALS.get(key, 3))
        records.append(record)

    records.sort(key=lambda r: (sort_key(r['Kategorie']), sort_key(r['Nahrungsmittel'])))
    for number_, record in enumerate(records, start=1):
        record['NM_Nr'] = str(number_)
    return records


def render(records):
    out = io.StringIO()
    writer = csv.writer(out, delimiter=';', lineterminator='\n', quoting=csv.QUOTE_MINIMAL)
    writer.writerow(COLUMNS)
    for record in records:
        writer.writerow([record[c] for c in COLUMNS])
    return out.getvalue()


def main():
    text = render(build())
    if '--check' in sys.argv[1:]:
        with open(OUTPUT, encoding='utf-8') as f:
            if f.read() != text:
                fail(OUTPUT + ' is not up to date')
        return
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    with open(OUTPUT, 'w', encoding='utf-8', newline='') as f:
        f.write(text)
    print('wrote %s (%d foods)' % (OUTPUT, text.count('\n') - 1))


if __name__ == '__main__':
    main()
