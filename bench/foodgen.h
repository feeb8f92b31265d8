#pragma once

#include <QString>

// Writes a food table of n generated foods (30 categories, realistic names
// and values) as a shipped-data source directory and builds a data directory
// from it.
void generateFoodData(const QString &sourceDir, const QString &dataDir, int n);
