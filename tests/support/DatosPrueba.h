#pragma once
// Test data at hand: an SQLite file made by statements, and the global record of a typology
// reached without the code under test.
#include <QString>

class CDatosTip;

// Writes an SQLite file made by the given statements (GoogleTest assertions on each step).
void CrearBase(const QString& path, const char* sql);

// The global record of typology n (1 to 9).
CDatosTip& RegistroTipologia(int n);
