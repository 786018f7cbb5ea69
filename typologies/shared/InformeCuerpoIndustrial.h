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
// numbers 19 to 99 of the layout, so that a window whose page differs patches its rows by
// number (informe::ItemNumero) and removes rows it lacks:
//   19 decree line; 22-23 valuation date; 26-30 description lines;
//   33-45 location: 34 Label1, 35 municipality, 36 Label2, 37 zone, 39 Label5, 41 VRI box,
//         42 "Coste de Construcción" (Basque: Label4), 43 Label6, 45 CC box;
//   48-69 data: 49 Frame2, 50 sEtiquetaTSU, 52 surface, 53 Frame4, 54 Label7, 56 SH box,
//         57 Label8 "Coeficiente Corrector", 58 Label9 "CL", 60 CL box, 61 "Datos:",
//         62 sEtiquetaCL, 63 Frame6 (italic), 64 age, 65 Label10, 66 "Coeficiente",
//         67 Label11, 69 (1 - D) box;
//   72-94 result: 72 Frame7, 73 Label12 " =", 74 ponencia year, 75 Label13 (formula), 76 VAD,
//         77 Label14, 79 COA box, 80 VAC, 81 Label15, 83 RP box, 84 VCO, 85 Label16,
//         86 Label17, 88 percentage box, 90 grey VAF box, 91 "Valor del suelo" (Basque:
//         Label18), 92 VSF, 93 "Valor de la construcción" (Basque: Label19), 94 VCF;
//   97-99 closing lines.
// Rules carry no number; they stand at y 106, 113, 138, 163, 190 and 232.
#include <vector>

#include "typologies/shared/Informe.h"

std::vector<ItemInforme> CuerpoInformeIndustrial(int tipo, bool eu);
