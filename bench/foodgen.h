#pragma once

#include <QString>

// Writes a food table of n generated foods (30 categories, names of twelve
// everyday words and a number, a value for every nutrient with one in twenty
// unknown) and the nutrient catalogue as a shipped-data source directory, and
// builds a data directory from it.
void generateFoodData(const QString &sourceDir, const QString &dataDir, int n);
