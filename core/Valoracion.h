#pragma once
// The valuation of the nine typology records, without a window: the age scales and the fixed
// construction costs as data, the money conversion, the surface coefficients, and one value
// chain per record. Every step reads its operands back from the record as stored, so the
// record's setters do the rounding (whole amounts, CL 2 decimals, SH and (1 - D) 4, COA 6;
// P8_VAD and P9_RP unrounded). A result that is not a finite number is an arithmetic fault
// (std::overflow_error); the steps stored before it stay.

#include <QString>

#include "core/Registros.h"

namespace valoracion {

// --- age ---------------------------------------------------------------------------------------

// Age scale of (1 - D).
enum class EscalaEdad {
    Residencial,  // typologies 1, 2, 7, 8
    Comercial,    // typologies 5, 6
    Industrial,   // typology 9
};

// (1 - D) for an age in whole years on a scale; an age outside every band (negative, or past the
// last band) gets the scale's floor.
double CoeficienteEdad(EscalaEdad escala, int anos);
// The scale of a typology (std::out_of_range for 3 and 4, which have no age factor, and for any
// number outside 1..9).
EscalaEdad EscalaDeTipologia(int tipo);

// --- money ---------------------------------------------------------------------------------------

// Pesetas per euro cent.
inline constexpr double kPesetasPorCentimo = 1.66386;

// True for a typology whose construction cost is a fixed amount by valuation year (2, 4 to 9).
bool TieneCosteFijo(int tipo);
// The fixed construction cost of a typology for a valuation year, in the record's currency:
// whole pesetas for "P", otherwise euro cents (the pesetas / 1.66386, rounded to the cent as the
// record stores it). std::out_of_range for a typology without a fixed cost (1, 3).
double CosteConstruccionFijo(int tipo, int ejercicio, const QString& monedaRegistro);

// An amount of a zone row in the record's currency ("P" whole pesetas, "E" euro cents): a row in
// the record's currency is taken as it is, an "E" row in a "P" record is multiplied by 1.66386,
// any other pair divided by it. The row's currency is compared trimmed (" P " is "P"), the
// record's as stored.
double ImporteEnMoneda(double importe, const QString& monedaFila, const QString& monedaRegistro);

// --- surfaces ------------------------------------------------------------------------------------

// Homogenised surface SH of s square metres for a typology; 0 when s is 0. For typology 3 it is
// the garage's surface coefficient CS.
//  clase:          class of the building, "P" multi-family or "U" single-family; read by
//                  typologies 1 and 2 only
//  tipoSuperficie: "C" built; anything else usable
// std::out_of_range for a number outside 1..9.
double SuperficieHomogeneizada(int tipo, double s, const QString& clase, const QString& tipoSuperficie);

// --- value chains --------------------------------------------------------------------------------

// Computes into the record, from the record: V into VAD, VAC = COA * VAD, VCO = RP * VAC,
// VAF = PTI * VCO / 100 and, where the record has them, the land part VSF = VAF * S / VAD (0 when
// VAD is 0; S the land share of V, unrounded) and the construction part VCF = VAF - VSF. Records
// 2 and 4 to 9 set the six results to 0 while their zone value (VRR, VRC or VRI) is 0.
// Dispatches on r.Tipo().
void ValorarRegistro(CDatosTip& r);

void ValorarTip1(CDatosTip1& r);
void ValorarTip2(cDatosTip2& r);
void ValorarTip3(CDatosTip3& r);
void ValorarTip4(cDatosTip4& r);
void ValorarTip5(cDatosTip5& r);
void ValorarTip6(cDatosTip6& r);
void ValorarTip7(cDatosTip7& r);
void ValorarTip8(cDatosTip8& r);
void ValorarTip9(cDatosTip9& r);

// v itself when it is a finite number; otherwise an arithmetic fault (std::overflow_error).
double Comprobado(double v);

}  // namespace valoracion
