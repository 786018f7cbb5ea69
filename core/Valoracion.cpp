#include "core/Valoracion.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "core/GAyuda.h"

namespace valoracion {

namespace {

[[noreturn]] void TipologiaSin(const char* que, int tipo)
{
    throw std::out_of_range("typology " + std::to_string(tipo) + " has no " + que);
}

// --- age scales ----------------------------------------------------------------------------------

// A band of a scale: for desde <= n <= hasta, (1 - D) = a - b * n.
struct Banda {
    int desde, hasta;
    double a, b;
};

struct Escala {
    std::array<Banda, 4> bandas;
    int cuantas;
    double suelo;  // every other age
};

constexpr Escala kResidencial{
    {{{0, 20, 1, 0.015}, {21, 40, 0.9, 0.01}, {41, 60, 0.78, 0.007}, {61, 90, 0.48, 0.002}}}, 4, 0.3};
constexpr Escala kComercial{{{{0, 10, 1, 0.04}, {11, 20, 0.85, 0.025}, {21, 30, 0.65, 0.015}, {}}}, 3, 0.2};
constexpr Escala kIndustrial{
    {{{0, 10, 1, 0.04}, {11, 20, 0.8, 0.02}, {21, 30, 0.6, 0.01}, {31, 40, 0.45, 0.005}}}, 4, 0.25};

const Escala& DatosEscala(EscalaEdad e)
{
    switch (e) {
    case EscalaEdad::Comercial:
        return kComercial;
    case EscalaEdad::Industrial:
        return kIndustrial;
    case EscalaEdad::Residencial:
        break;
    }
    return kResidencial;
}

// --- fixed construction costs (pesetas) -----------------------------------------------------------

struct CosteFijo {
    int tipo;
    double en1999;  // valuation year 1999
    double otros;   // any other valuation year
};

constexpr std::array<CosteFijo, 7> kCostes{{
    {2, 28000, 30000},  // storage room
    {4, 35000, 40000},  // street-front shop
    {5, 80000, 90000},  // shop in a commercial building, residential zone
    {6, 70000, 80000},  // shop in a commercial building, industrial zone
    {7, 70000, 80000},  // office, residential zone
    {8, 55000, 60000},  // office, industrial zone
    {9, 35000, 40000},  // industrial building
}};

const CosteFijo* BuscarCoste(int tipo)
{
    for (const CosteFijo& c : kCostes)
        if (c.tipo == tipo)
            return &c;
    return nullptr;
}

// --- surfaces: SH = the smaller of a * S + b and k * S --------------------------------------------

struct Recta {
    double a, b, k;
};

struct RectasSH {
    Recta construida, util;
};

constexpr RectasSH kViviendaPlurifamiliar{{0.68, 29, 1.7}, {0.85, 31, 1.8}};  // 1 class "P", and 7
constexpr RectasSH kViviendaUnifamiliar{{0.66, 28, 1.7}, {0.78, 29, 1.8}};    // 1, any other class
constexpr RectasSH kLocalCalle{{0.65, 26, 1.7}, {0.68, 26, 1.8}};             // 4
constexpr RectasSH kLocalResidencial{{0.86, 30, 1.7}, {0.9, 30, 1.8}};        // 5
constexpr RectasSH kIndustrialSH{{0.92, 30, 1.7}, {0.97, 30, 1.8}};           // 6, 8, 9

double Menor(const RectasSH& r, double s, const QString& tipoSuperficie)
{
    const Recta& c = tipoSuperficie == QLatin1String("C") ? r.construida : r.util;
    return Minimo(c.a * s + c.b, c.k * s);
}

// --- the chains ------------------------------------------------------------------------------------

double Leer(const CDatosTip& r, RecordCode codigo) { return r.Get(codigo).toDouble(); }

void Poner(CDatosTip& r, RecordCode codigo, double v) { r.Set(codigo, Comprobado(v)); }

void Ceros(CDatosTip& r)
{
    for (RecordCode codigo :
         {RecordCode::VAD, RecordCode::VAC, RecordCode::VCO, RecordCode::VAF, RecordCode::VSF, RecordCode::VCF})
        Poner(r, codigo, 0);
}

// VAD := v, then the value at the valuation date, the checked value and the final value.
void CadenaComun(CDatosTip& r, double v)
{
    Poner(r, RecordCode::VAD, v);
    Poner(r, RecordCode::VAC, Leer(r, RecordCode::COA) * Leer(r, RecordCode::VAD));
    Poner(r, RecordCode::VCO, Leer(r, RecordCode::RP) * Leer(r, RecordCode::VAC));
    Poner(r, RecordCode::VAF, Leer(r, RecordCode::PTI) * Leer(r, RecordCode::VCO) / 100);
}

// The common chain, then the land part of the final value in the ratio of the land share
// `suelo` to V, and the construction part.
void CadenaConSuelo(CDatosTip& r, double v, const auto& suelo)
{
    Poner(r, RecordCode::VAD, v);
    const double s = Comprobado(suelo());
    Poner(r, RecordCode::VAC, Leer(r, RecordCode::COA) * Leer(r, RecordCode::VAD));
    Poner(r, RecordCode::VCO, Leer(r, RecordCode::RP) * Leer(r, RecordCode::VAC));
    Poner(r, RecordCode::VAF, Leer(r, RecordCode::PTI) * Leer(r, RecordCode::VCO) / 100);
    Poner(r, RecordCode::VSF,
          Leer(r, RecordCode::VAD) == 0 ? 0 : Leer(r, RecordCode::VAF) * s / Leer(r, RecordCode::VAD));
    Poner(r, RecordCode::VCF, Leer(r, RecordCode::VAF) - Leer(r, RecordCode::VSF));
}

// Records valued by [Z * CL + (1.38 * CC + 0.38 * Z * CL) * (1 - D)] * SH, Z the zone value
// (VRR, VRC or VRI), written ((Z * 0.38 * CL + CC * 1.38) * (1 - D) + CL * Z) * SH; land CL * Z * SH.
// Grouped otherwise (SH or (1 - D) multiplied into the sum, CL next to Z, Z * CL factored out)
// the sum can fall a hair short of a half and round the other way. Written in the order of the
// displayed formula, (Z * CL + (1.38 * CC + 0.38 * Z * CL) * (1 - D)) * SH, it is the same sums
// and products with their operands swapped, so the same number to the last bit (the build forms
// no fused multiply-add).
// With `guardaCero` a zone value of 0 sets the six results to 0.
void Residencial(CDatosTip& r, RecordCode zona, bool guardaCero)
{
    if (guardaCero && Leer(r, zona) == 0) {
        Ceros(r);
        return;
    }
    const double z = Leer(r, zona), cl = Leer(r, RecordCode::CCL), cc = Leer(r, RecordCode::CCO),
                 dep = Leer(r, RecordCode::DEP), sh = Leer(r, RecordCode::SHO);
    CadenaConSuelo(r, ((z * 0.38 * cl + cc * 1.38) * dep + cl * z) * sh, [&] { return cl * z * sh; });
}

}  // namespace

// --- age -----------------------------------------------------------------------------------------

double CoeficienteEdad(EscalaEdad escala, int anos)
{
    const Escala& e = DatosEscala(escala);
    for (int i = 0; i < e.cuantas; ++i) {
        const Banda& b = e.bandas[static_cast<std::size_t>(i)];
        if (anos >= b.desde && anos <= b.hasta)
            return b.a - b.b * anos;
    }
    return e.suelo;
}

EscalaEdad EscalaDeTipologia(int tipo)
{
    switch (tipo) {
    case 1:
    case 2:
    case 7:
    case 8:
        return EscalaEdad::Residencial;
    case 5:
    case 6:
        return EscalaEdad::Comercial;
    case 9:
        return EscalaEdad::Industrial;
    default:
        TipologiaSin("age scale", tipo);
    }
}

// --- money ---------------------------------------------------------------------------------------

bool TieneCosteFijo(int tipo) { return BuscarCoste(tipo) != nullptr; }

double CosteConstruccionFijo(int tipo, int ejercicio, const QString& monedaRegistro)
{
    const CosteFijo* c = BuscarCoste(tipo);
    if (!c)
        TipologiaSin("fixed construction cost", tipo);
    const double pesetas = ejercicio == 1999 ? c->en1999 : c->otros;
    if (monedaRegistro == QLatin1String("P"))
        return pesetas;
    return RedondearDecimales(pesetas / kPesetasPorCentimo, 0);
}

double ImporteEnMoneda(double importe, const QString& monedaFila, const QString& monedaRegistro)
{
    const QString fila = monedaFila.trimmed();
    const bool filaP = fila == QLatin1String("P"), filaE = fila == QLatin1String("E");
    const bool registroP = monedaRegistro == QLatin1String("P"), registroE = monedaRegistro == QLatin1String("E");
    if ((filaP && registroP) || (filaE && registroE))
        return importe;
    if (filaE && registroP)
        return importe * kPesetasPorCentimo;
    return importe / kPesetasPorCentimo;
}

// --- surfaces ------------------------------------------------------------------------------------

double SuperficieHomogeneizada(int tipo, double s, const QString& clase, const QString& tipoSuperficie)
{
    if (tipo < 1 || tipo > 9)
        TipologiaSin("surface coefficient", tipo);
    if (s == 0)
        return 0;
    const bool construida = tipoSuperficie == QLatin1String("C");
    switch (tipo) {
    case 1:
        return Menor(clase == QLatin1String("P") ? kViviendaPlurifamiliar : kViviendaUnifamiliar, s, tipoSuperficie);
    case 2: {
        const double k = construida ? 0.4 : clase == QLatin1String("P") ? 0.6 : 0.5;
        return s * (7 / (s + 5) + k);
    }
    case 3:
        // CS is 1 at 16 m2 usable or 17 m2 built and grows by 1 every 25 or 26 m2.
        return tipoSuperficie == QLatin1String("U") ? (s - 16) / 25 + 1 : (s - 17) / 26 + 1;
    case 4:
        return Menor(kLocalCalle, s, tipoSuperficie);
    case 5:
        return Menor(kLocalResidencial, s, tipoSuperficie);
    case 7:
        return Menor(kViviendaPlurifamiliar, s, tipoSuperficie);
    default:
        return Menor(kIndustrialSH, s, tipoSuperficie);
    }
}

// --- value chains --------------------------------------------------------------------------------

double Comprobado(double v)
{
    if (!std::isfinite(v))
        throw std::overflow_error(SegunIdioma(QStringLiteral("Desbordamiento en el cálculo del valor."),
                                              QStringLiteral("Gainezkatzea balioaren kalkuluan."))
                                      .toStdString());
    return v;
}

void ValorarRegistro(CDatosTip& r)
{
    switch (r.Tipo()) {
    case 1:
        // No zero guard: a zone without values gives 0 through the formula.
        Residencial(r, RecordCode::VRR, false);
        return;
    case 2:
        Residencial(r, RecordCode::VRR, true);
        return;
    case 3:
        // V = MP * CS * CG, multiplied as CS * MP * CG; no land part.
        CadenaComun(r, Leer(r, RecordCode::CCS) * Leer(r, RecordCode::MAP) * Leer(r, RecordCode::CCG));
        return;
    case 4: {
        // No age factor: V = (CL * VRC + CC * 1.38 + VRC * 0.38 * CL) * SH, summed in this order;
        // factored as 1.38 * (CL * VRC + CC) * SH it can round a half the other way.
        if (Leer(r, RecordCode::VRC) == 0) {
            Ceros(r);
            return;
        }
        const double vrc = Leer(r, RecordCode::VRC), cl = Leer(r, RecordCode::CCL), cc = Leer(r, RecordCode::CCO),
                     sh = Leer(r, RecordCode::SHO);
        CadenaConSuelo(r, (cl * vrc + cc * 1.38 + vrc * 0.38 * cl) * sh, [&] { return cl * vrc * sh; });
        return;
    }
    case 5:
        Residencial(r, RecordCode::VRC, true);
        return;
    case 6:
    case 8:
    case 9:
        Residencial(r, RecordCode::VRI, true);
        return;
    case 7:
        Residencial(r, RecordCode::VRR, true);
        return;
    default:
        throw std::invalid_argument("not a typology record: " + std::to_string(r.Tipo()));
    }
}

void ValorarTip1(CDatosTip1& r) { ValorarRegistro(r); }
void ValorarTip2(cDatosTip2& r) { ValorarRegistro(r); }
void ValorarTip3(CDatosTip3& r) { ValorarRegistro(r); }
void ValorarTip4(cDatosTip4& r) { ValorarRegistro(r); }
void ValorarTip5(cDatosTip5& r) { ValorarRegistro(r); }
void ValorarTip6(cDatosTip6& r) { ValorarRegistro(r); }
void ValorarTip7(cDatosTip7& r) { ValorarRegistro(r); }
void ValorarTip8(cDatosTip8& r) { ValorarRegistro(r); }
void ValorarTip9(cDatosTip9& r) { ValorarRegistro(r); }

}  // namespace valoracion
