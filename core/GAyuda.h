#pragma once
// Shared procedures of the windows: language choice, help, the description picture, the
// municipality, street and zone list loaders, combo selection by typed text, and the
// lookups of valuation year, update coefficient and checked-value percentage.
// Rounding and value helpers (Redondear, RedondearDecimales, Minimo, VacioACero, CeroAVacio,
// ValorMaximoSiCero) come with core/Redondeo.h.
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

#include "core/Redondeo.h"

class ComboBox;
class QWidget;

// The Spanish text while gIdioma is 0, else the Basque one.
QString SegunIdioma(const QString& es, const QString& eu);
// Opens help topic `tema` of the current language's help file over window frm.
void MostrarAyuda(const QString& tema, QWidget* frm);
// Puts DESBIEN.BMP (Spanish) or DESCRIE.BMP (Basque) of the program folder on the window's
// button "cmdDescripcion"; a missing picture leaves the button without one.
void CargarImagenDescripcion(QWidget* ventana);

// Fills cmb with the municipalities of the newest list year not after `ano`, by code;
// item data = municipality code.
void CargarMunicipios(ComboBox& cmb, int16_t ano);
// Street list: clears cmb when `borrar` (and resets it); when cmb is then empty, loads the
// rows of the first (year, version) group of sql (columns year, version, street code,
// street name; item data = street code) and sets the tag to "year-version" ("-1--1" with no
// row). Runs no query while cmb holds entries.
void CargarCalles(bool& borrar, const QString& sql, ComboBox& cmb);
// One-column list: clears cmb when `borrar` (and resets it); when cmb is then empty, adds
// column 0 of every row of sql.
void CargarCombo(bool& borrar, const QString& sql, ComboBox& cmb);
// Selects the first entry that begins with the typed text (as typed or in upper case; the
// pattern characters * ? # [ ] keep their meaning, and a text that is not a valid pattern
// is taken literally). Empty list: the text is put in the box; empty text: nothing
// selected; no entry matches: the box's text is emptied.
void SeleccionarEnCombo(const QString& texto, ComboBox& cmb);
// Selects the first entry whose text is exactly `texto`; otherwise as SeleccionarEnCombo
// with no match.
void SeleccionarEnComboExacto(const QString& texto, ComboBox& cmb);
// Opens the drop-down list of cmb.
void DesplegarCombo(ComboBox& cmb);
// Selects the whole text of a box (line edits, numeric and date boxes, editable combos).
void SeleccionarTexto(QWidget* ctl);

// The readers of t02_años below throw std::runtime_error, with a message in the current
// language naming the table, the column, the year and the value, when a column they read
// holds a text that is not a number.

// Product of the update factors (version 1) of the years after `desde` up to `hasta`;
// 1.0 when there is none; a year without a factor (Null) does not change it.
double FactorIncremento(int16_t desde, int16_t hasta);
// Valuation year in force on date `fecha` (yyyymmdd), and its version in `ver`; 0 and 0
// before every period.
int16_t ObtenerEjercicio(int32_t fecha, int16_t& ver);
// Checked-value percentage of a year; 0 when the year is unknown or has none (Null).
double ObtenerPorcom(int16_t ano);
// A number read from column `columna` of t02_años, of year `ano` (0: not known): Null or a
// blank text give nothing; a text that is not a finite number throws as above.
std::optional<double> YearsTableNumber(const QVariant& campo, const char* columna, int ano);
