#pragma once
// Test data at hand: an SQLite file made by statements, and the global record of a typology
// reached without the code under test.
#include <QString>
#include <initializer_list>
#include <vector>

class CDatosTip;

// Writes an SQLite file made by the given statements (GoogleTest assertions on each step).
void CrearBase(const QString& path, const char* sql);

// The global record of typology n (1 to 9).
CDatosTip& RegistroTipologia(int n);

// Each record code holds in `actual` what it holds in `esperado` (a GoogleTest failure per code
// that differs).
void ComprobarCodigosIguales(const CDatosTip& actual, const CDatosTip& esperado,
                             std::initializer_list<const char*> codigos);

// The six results of a record, VAD VAC VCO VAF VSF VCF, for the checks that nothing is valued.
std::vector<double> ResultadosDe(const CDatosTip& r);
