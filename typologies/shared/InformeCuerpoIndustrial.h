#pragma once
// The body of the one-page report of the industrial typologies (6, 8 and 9), from the decree
// line (y 100) down to the closing lines: valuation date, description lines, location by
// municipality and industrial zone with VRI and CC, the data of the formula (surface type,
// surface, SH, CL with its situation label, age and (1 - D)) and the result block from the
// value in the ponencia year to the land and construction parts of the final value.
//
// Each window puts its own header (frame, letterhead, taxes, title row) before it. The items
// read the controls of window `tipo` (txtp<tipo>fecv, cmbp<tipo>mun, cmbp<tipo>nui, txtp<tipo>vri
// ...), the captions Label1 to Label19, Frame2, Frame4, Frame6 and Frame7, and the labels
// "sEtiquetaTSU" and "sEtiquetaCL" the window builds before printing. Items carry the row
// numbers 19 to 94 of the layout, then come the shared legal lines; the rows a window
// patches carry names, found with informe::Fila:
//   "cl_datos"          61, "Datos:" after the CL box
//   "cl_situacion"      62, the situation label "sEtiquetaCL"
//   "rotulo_antiguedad" 63, Frame6's caption (italic) before the age
// and a window whose labels are numbered otherwise renames them with informe::RenombrarControles.
// Rules carry no number; they stand at y 106, 113, 138, 163, 190 and 232.
#include <vector>

#include "typologies/shared/Informe.h"

std::vector<ItemInforme> CuerpoInformeIndustrial(int tipo, bool eu);
