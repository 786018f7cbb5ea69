#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/Redondeo.h"
#include "core/Registros.h"
#include "core/Valoracion.h"

using namespace valoracion;

namespace {

using Valores = std::vector<std::pair<const char*, double>>;

std::unique_ptr<CDatosTip> Registro(int tipo, const Valores& valores)
{
    auto r = CrearRegistro(tipo);
    r->Set("MON", "P");
    for (const auto& [codigo, v] : valores)
        r->Set(QString::fromUtf8(codigo), v);
    return r;
}

double Valor(const CDatosTip& r, const char* codigo) { return r.Get(QString::fromUtf8(codigo)).toDouble(); }

}  // namespace

// --- age scales --------------------------------------------------------------------------------------

TEST(CoeficienteEdad, BandEdgesOfEachScale)
{
    // clang-format off
    struct Caso {
        EscalaEdad escala;
        int anos;
        double esperado;
    } casos[] = {
        {EscalaEdad::Residencial, 0, 1.0},     {EscalaEdad::Residencial, 20, 0.7},   {EscalaEdad::Residencial, 21, 0.69},
        {EscalaEdad::Residencial, 40, 0.5},    {EscalaEdad::Residencial, 41, 0.493}, {EscalaEdad::Residencial, 60, 0.36},
        {EscalaEdad::Residencial, 61, 0.358},  {EscalaEdad::Residencial, 90, 0.3},   {EscalaEdad::Residencial, 91, 0.3},
        {EscalaEdad::Residencial, -1, 0.3},    {EscalaEdad::Residencial, 18, 0.73},  {EscalaEdad::Residencial, 17, 0.745},
        {EscalaEdad::Comercial, 0, 1.0},       {EscalaEdad::Comercial, 10, 0.6},     {EscalaEdad::Comercial, 11, 0.575},
        {EscalaEdad::Comercial, 20, 0.35},     {EscalaEdad::Comercial, 21, 0.335},   {EscalaEdad::Comercial, 30, 0.2},
        {EscalaEdad::Comercial, 31, 0.2},      {EscalaEdad::Comercial, -1, 0.2},     {EscalaEdad::Industrial, 0, 1.0},
        {EscalaEdad::Industrial, 9, 0.64},     {EscalaEdad::Industrial, 10, 0.6},    {EscalaEdad::Industrial, 11, 0.58},
        {EscalaEdad::Industrial, 20, 0.4},     {EscalaEdad::Industrial, 21, 0.39},   {EscalaEdad::Industrial, 30, 0.3},
        {EscalaEdad::Industrial, 31, 0.295},   {EscalaEdad::Industrial, 40, 0.25},   {EscalaEdad::Industrial, 41, 0.25},
        {EscalaEdad::Industrial, -1, 0.25},    {EscalaEdad::Industrial, 32767, 0.25},
    };
    // clang-format on
    for (const Caso& c : casos) {
        // The record keeps (1 - D) to 4 decimals.
        EXPECT_DOUBLE_EQ(RedondearDecimales(CoeficienteEdad(c.escala, c.anos), 4), c.esperado)
            << "scale " << static_cast<int>(c.escala) << ", " << c.anos << " years";
    }
}

TEST(CoeficienteEdad, ScaleOfEachTypology)
{
    const std::pair<int, EscalaEdad> escalas[] = {
        {1, EscalaEdad::Residencial}, {2, EscalaEdad::Residencial}, {5, EscalaEdad::Comercial},
        {6, EscalaEdad::Comercial},   {7, EscalaEdad::Residencial}, {8, EscalaEdad::Residencial},
        {9, EscalaEdad::Industrial},
    };
    for (const auto& [tipo, escala] : escalas)
        EXPECT_EQ(EscalaDeTipologia(tipo), escala) << "typology " << tipo;
    for (int sinEscala : {0, 3, 4, 10})
        EXPECT_THROW(EscalaDeTipologia(sinEscala), std::out_of_range) << "typology " << sinEscala;
}

// --- money ---------------------------------------------------------------------------------------

TEST(CosteConstruccionFijo, ByTypologyYearAndRecordCurrency)
{
    struct Caso {
        int tipo;
        int ejercicio;
        const char* moneda;
        double esperado;
    } casos[] = {
        {2, 1999, "P", 28000}, {2, 2000, "P", 30000}, {2, 1999, "E", 16828}, {2, 2000, "E", 18030},
        {2, 1998, "P", 30000},  // only 1999 has the lower cost
        {4, 1999, "P", 35000}, {4, 2003, "P", 40000}, {4, 1999, "E", 21035}, {4, 2003, "E", 24040},
        {5, 1999, "P", 80000}, {5, 2000, "P", 90000}, {5, 1999, "E", 48081}, {5, 2000, "E", 54091},
        {6, 1999, "P", 70000}, {6, 2000, "P", 80000}, {6, 1999, "E", 42071}, {6, 2000, "E", 48081},
        {7, 1999, "P", 70000}, {7, 2000, "P", 80000}, {7, 1999, "E", 42071}, {7, 2000, "E", 48081},
        {8, 1999, "P", 55000}, {8, 2000, "P", 60000}, {8, 1999, "E", 33056}, {8, 2000, "E", 36061},
        {9, 1999, "P", 35000}, {9, 2001, "P", 40000}, {9, 1999, "E", 21035}, {9, 2001, "E", 24040},
    };
    for (const Caso& c : casos) {
        EXPECT_DOUBLE_EQ(CosteConstruccionFijo(c.tipo, c.ejercicio, c.moneda), c.esperado)
            << "typology " << c.tipo << ", " << c.ejercicio << " " << c.moneda;
    }
    EXPECT_FALSE(TieneCosteFijo(1));
    EXPECT_FALSE(TieneCosteFijo(3));
    EXPECT_THROW(CosteConstruccionFijo(1, 2000, "P"), std::out_of_range);
    EXPECT_THROW(CosteConstruccionFijo(3, 2000, "E"), std::out_of_range);
}

TEST(ImporteEnMoneda, ConvertsARowIntoTheRecordsCurrency)
{
    // clang-format off
    struct Caso {
        double importe;
        const char* fila;
        const char* registro;
        double almacenado;  // as a whole-unit amount of the record
    } casos[] = {
        {1663860, "P", "E", 1000000}, {100000, "E", "P", 166386}, {20000, "P", "E", 12020},
        {12020, "E", "P", 20000},     {30000, "E", "P", 49916},   {80000, "P", "E", 48081},
        {1000, "E", "P", 1664},       {1000, "P", "E", 601},      {1234, "P", "P", 1234},
        {1234, "E", "E", 1234},       {1000, " P ", "P", 1000},   {1000, "E ", "P", 1664},
    };
    // clang-format on
    for (const Caso& c : casos) {
        EXPECT_DOUBLE_EQ(RedondearDecimales(ImporteEnMoneda(c.importe, c.fila, c.registro), 0), c.almacenado)
            << c.importe << " '" << c.fila << "' -> '" << c.registro << "'";
    }
}

// --- surfaces ------------------------------------------------------------------------------------

TEST(SuperficieHomogeneizada, CoefficientsOfEachTypology)
{
    struct Caso {
        int tipo;
        double s;
        const char* clase;
        const char* tsu;
        double esperado;  // to 4 decimals, as the record keeps it
    } casos[] = {
        // dwelling: by class and surface type
        {1, 100, "P", "C", 97},
        {1, 10, "P", "C", 17},
        {1, 100, "P", "U", 116},
        {1, 100, "U", "C", 94},
        {1, 100, "U", "U", 107},
        {1, 10, "U", "U", 18},
        // storage room: S * (7 / (S + 5) + k)
        {2, 10, "P", "C", 8.6667},
        {2, 100, "U", "C", 46.6667},
        {2, 100, "P", "U", 66.6667},
        {2, 100, "U", "U", 56.6667},
        // garage: CS
        {3, 16, "", "U", 1},
        {3, 17, "", "C", 1},
        {3, 41, "", "U", 2},
        {3, 43, "", "C", 2},
        {3, 25, "", "U", 1.36},
        // street-front shop
        {4, 100, "", "C", 91},
        {4, 100, "", "U", 94},
        {4, 14, "", "C", 23.8},
        {4, 14, "", "U", 25.2},
        // shop in a residential commercial building
        {5, 100, "", "C", 116},
        {5, 100, "", "U", 120},
        {5, 20, "", "C", 34},
        // industrial zones
        {6, 30, "", "C", 51},
        {6, 100, "", "C", 122},
        {6, 100, "", "U", 127},
        {8, 100, "", "C", 122},
        {8, 100, "", "U", 127},
        {8, 30, "", "U", 54},
        {9, 100, "", "C", 122},
        {9, 100, "", "U", 127},
        // office in a residential zone: the dwelling's class "P" whatever the class
        {7, 100, "U", "C", 97},
        {7, 100, "U", "U", 116},
        {7, 20, "P", "C", 34},
        {7, 20, "P", "U", 36},
    };
    for (const Caso& c : casos) {
        EXPECT_DOUBLE_EQ(RedondearDecimales(SuperficieHomogeneizada(c.tipo, c.s, c.clase, c.tsu), 4), c.esperado)
            << "typology " << c.tipo << ", S " << c.s << " " << c.clase << "/" << c.tsu;
    }
    for (int tipo = 1; tipo <= 9; ++tipo) {
        for (const char* tsu : {"C", "U"})
            EXPECT_EQ(SuperficieHomogeneizada(tipo, 0, "P", tsu), 0) << "typology " << tipo << " " << tsu;
    }
    EXPECT_THROW(SuperficieHomogeneizada(10, 100, "P", "C"), std::out_of_range);
}

// --- value chains --------------------------------------------------------------------------------

// The worked examples: operands into a record of the typology, the chain, the stored results.
TEST(ValorarRegistro, WorkedExamplesOfEachRecord)
{
    struct Caso {
        const char* nombre;
        int tipo;
        Valores entrada;
        Valores esperado;
    };
    const Valores comun = {{"COA", 1}, {"RP", 1}, {"PTI", 100}};
    const auto con = [&comun](Valores v) {
        Valores todo = comun;
        todo.insert(todo.end(), v.begin(), v.end());
        return todo;
    };
    // clang-format off
    const Caso casos[] = {
        {"dwelling", 1, con({{"VRR", 100}, {"CCL", 1}, {"CCO", 50}, {"DEP", 1}, {"SHO", 1}}),
         {{"VAD", 207}, {"VAC", 207}, {"VCO", 207}, {"VAF", 207}, {"VSF", 100}, {"VCF", 107}}},
        // no zero guard in the dwelling: a zone value of 0 still values the construction
        {"dwelling, VRR 0", 1, con({{"VRR", 0}, {"CCL", 1}, {"CCO", 50}, {"DEP", 1}, {"SHO", 10}}),
         {{"VAD", 690}, {"VAF", 690}, {"VSF", 0}, {"VCF", 690}}},
        {"storage room", 2, con({{"VRR", 100000}, {"CCL", 0.35}, {"CCO", 30000}, {"DEP", 1}, {"SHO", 10}}),
         {{"VAD", 897000}, {"VAF", 897000}, {"VSF", 350000}, {"VCF", 547000}}},
        {"storage room, rounded VAD feeds VAC", 2,
         {{"VRR", 1000}, {"CCL", 0.35}, {"CCO", 30000}, {"DEP", 0.5}, {"SHO", 0.0383}, {"COA", 1.5}, {"RP", 1},
          {"PTI", 100}},
         // V = 21116.5 * 0.0383 = 808.76..., stored 809; VAC = 1.5 * 809 = 1213.5 -> 1214 (1213 from
         // the unrounded V)
         {{"VAD", 809}, {"VAC", 1214}}},
        {"garage", 3, {{"MAP", 12000}, {"CCS", 1.36}, {"CCG", 1.1}, {"COA", 1.05}, {"RP", 1}, {"PTI", 100}},
         {{"VAD", 17952}, {"VAC", 18850}, {"VCO", 18850}, {"VAF", 18850}}},
        {"street-front shop", 4,
         {{"VRC", 100000}, {"CCL", 1.1}, {"CCO", 40000}, {"SHO", 91}, {"COA", 1}, {"RP", 1.1}, {"PTI", 50}},
         {{"VAD", 18837000}, {"VAC", 18837000}, {"VCO", 20720700}, {"VAF", 10360350}, {"VSF", 5505500},
          {"VCF", 4854850}}},
        {"commercial-residential", 5,
         {{"VRC", 100000}, {"CCL", 0.7}, {"CCO", 90000}, {"DEP", 1}, {"SHO", 116}, {"COA", 1.05}, {"RP", 1},
          {"PTI", 100}},
         {{"VAD", 25612800}, {"VAC", 26893440}, {"VCO", 26893440}, {"VAF", 26893440}, {"VSF", 8526000},
          {"VCF", 18367440}}},
        {"commercial-industrial", 6, con({{"VRI", 20000}, {"CCL", 1}, {"CCO", 80000}, {"DEP", 1}, {"SHO", 122}}),
         {{"VAD", 16836000}, {"VAC", 16836000}, {"VCO", 16836000}, {"VAF", 16836000}, {"VSF", 2440000},
          {"VCF", 14396000}}},
        // VAF from exactly 8902970.5: halves go away from zero
        {"commercial-industrial, rounding", 6,
         {{"VRI", 20000}, {"CCL", 0.7}, {"CCO", 80000}, {"DEP", 0.88}, {"SHO", 122}, {"COA", 1.05}, {"RP", 1.2},
          {"PTI", 50}},
         {{"VAD", 14131699}, {"VAC", 14838284}, {"VCO", 17805941}, {"VAF", 8902971}, {"VSF", 1076040},
          {"VCF", 7826931}}},
        {"office, residential zone", 7, con({{"VRR", 100}, {"CCL", 1}, {"CCO", 100}, {"DEP", 1}, {"SHO", 10}}),
         {{"VAD", 2760}, {"VAF", 2760}, {"VSF", 1000}, {"VCF", 1760}}},
        {"office, industrial zone, pesetas", 8,
         {{"VRI", 20000}, {"CCL", 1}, {"CCO", 60000}, {"DEP", 0.85}, {"SHO", 100}, {"COA", 1.05}, {"RP", 1},
          {"PTI", 50}},
         {{"VAD", 9684000}, {"VAC", 10168200}, {"VCO", 10168200}, {"VAF", 5084100}, {"VSF", 1050000},
          {"VCF", 4034100}}},
        // P8_VAD is kept unrounded
        {"office, industrial zone, euros", 8,
         {{"VRI", 12020}, {"CCL", 1}, {"CCO", 36061}, {"DEP", 0.85}, {"SHO", 100}, {"COA", 1.05}, {"RP", 1},
          {"PTI", 50}},
         {{"VAD", 5820201.3}, {"VAC", 6111211}}},
        {"office, industrial zone, unrounded V", 8,
         con({{"VRI", 20000}, {"CCL", 1}, {"CCO", 40000}, {"DEP", 0.85}, {"SHO", 100.0037}, {"COA", 1.05}}),
         {{"VAC", 7705185}}},
        {"industrial building", 9,
         {{"VRI", 20000}, {"CCL", 1}, {"CCO", 40000}, {"DEP", 0.85}, {"SHO", 100}, {"COA", 1.05}, {"RP", 1},
          {"PTI", 50}},
         {{"VAD", 7338000}, {"VAC", 7704900}, {"VCO", 7704900}, {"VAF", 3852450}, {"VSF", 1050000},
          {"VCF", 2802450}}},
        // P9_VAD is rounded before VAC reads it
        {"industrial building, rounded V", 9,
         con({{"VRI", 20000}, {"CCL", 1}, {"CCO", 40000}, {"DEP", 0.85}, {"SHO", 100.0037}, {"COA", 1.05}}),
         {{"VAD", 7338272}, {"VAC", 7705186}}},
        // P9_RP is kept unrounded: 1.125, where another record would use 1.13
        {"industrial building, RP 1.125", 9,
         {{"VRI", 20000}, {"CCL", 1}, {"CCO", 40000}, {"DEP", 0.85}, {"SHO", 100}, {"COA", 1}, {"RP", 1.125},
          {"PTI", 100}},
         {{"VCO", 8255250}}},
        {"commercial-residential, surface 0", 5,
         con({{"VRC", 100000}, {"CCL", 0.7}, {"CCO", 90000}, {"DEP", 1}, {"SHO", 0}}),
         {{"VAD", 0}, {"VAC", 0}, {"VAF", 0}, {"VSF", 0}, {"VCF", 0}}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto r = Registro(c.tipo, c.entrada);
        ValorarRegistro(*r);
        for (const auto& [codigo, v] : c.esperado)
            EXPECT_NEAR(Valor(*r, codigo), v, 1e-6) << codigo;
    }
}

// Amounts that land exactly on a half. In the order of operations of the formula and of the
// chain the half is reached and rounds up; grouped otherwise the amount falls a hair short and
// the amount below is stored. The regroupings: SH or (1 - D) multiplied into the sum, CL next to
// the zone value, the zone value times CL factored out, the shop's 1.38 taken out of its sum, the
// garage's factors multiplied in another order, the percentage or the land share divided before
// it is multiplied, the land share's factors multiplied from the right.
TEST(ValorarRegistro, AnAmountOnAHalfRoundsUpInTheOrderOfOperations)
{
    struct Caso {
        const char* nombre;
        int tipo;
        Valores entrada;
        Valores esperado;
    };
    // clang-format off
    const Caso casos[] = {
        // ((177570 * 0.38 * 0.7 + 55976 * 1.38) * 0.64 + 0.7 * 177570) * 37.5 = 7648744.5
        {"dwelling", 1, {{"VRR", 177570}, {"CCL", 0.7}, {"CCO", 55976}, {"DEP", 0.64}, {"SHO", 37.5}},
         {{"VAD", 7648745}}},
        // ((33204 * 0.38 * 0.3 + 18030 * 1.38) * 0.7 + 0.3 * 33204) * 78.125 = 2345926.5
        {"storage room", 2, {{"VRR", 33204}, {"CCL", 0.3}, {"CCO", 18030}, {"DEP", 0.7}, {"SHO", 78.125}},
         {{"VAD", 2345927}}},
        // 4.52 * 2046375 * 1.1 = 10174576.5
        {"garage", 3, {{"MAP", 2046375}, {"CCS", 4.52}, {"CCG", 1.1}}, {{"VAD", 10174577}}},
        // (1.1 * 10272 + 35000 * 1.38 + 10272 * 0.38 * 1.1) * 15.625 = 998326.5
        {"street-front shop", 4, {{"VRC", 10272}, {"CCL", 1.1}, {"CCO", 35000}, {"SHO", 15.625}}, {{"VAD", 998327}}},
        // ((42625 * 0.38 * 0.7 + 90000 * 1.38) * 0.72 + 0.7 * 42625) * 18.75 = 2389219.5
        {"commercial-residential", 5, {{"VRC", 42625}, {"CCL", 0.7}, {"CCO", 90000}, {"DEP", 0.72}, {"SHO", 18.75}},
         {{"VAD", 2389220}}},
        // ((42020 * 0.38 * 0.7 + 48081 * 1.38) * 0.2 + 0.7 * 42020) * 75 = 3368986.5
        {"commercial-industrial", 6, {{"VRI", 42020}, {"CCL", 0.7}, {"CCO", 48081}, {"DEP", 0.2}, {"SHO", 75}},
         {{"VAD", 3368987}}},
        // ((69016 * 0.38 * 0.3 + 80000 * 1.38) * 0.6 + 0.3 * 69016) * 156.25 = 14322733.5
        {"office, residential zone", 7, {{"VRR", 69016}, {"CCL", 0.3}, {"CCO", 80000}, {"DEP", 0.6}, {"SHO", 156.25}},
         {{"VAD", 14322734}}},
        // V = ((22989 * 0.38 + 36061 * 1.38) * 0.955 + 22989) * 100 = 7885650, kept unrounded, so a V
        // a hair below it carries into VAC = 1.05 * V = 8279932.5
        {"office, industrial zone", 8,
         {{"VRI", 22989}, {"CCL", 1}, {"CCO", 36061}, {"DEP", 0.955}, {"SHO", 100}, {"COA", 1.05}}, {{"VAC", 8279933}}},
        // ((1235 * 0.38 + 24040 * 1.38) * 0.48 + 1235) * 112.5 = 1955740.5
        {"industrial building", 9, {{"VRI", 1235}, {"CCL", 1}, {"CCO", 24040}, {"DEP", 0.48}, {"SHO", 112.5}},
         {{"VAD", 1955741}}},
        // VAD = 1.912 * 2189233 * 1 = 4185813.496, stored 4185813; VAF = 50 * 4185813 / 100 = 2092906.5
        {"garage, final value", 3,
         {{"MAP", 2189233}, {"CCS", 1.912}, {"CCG", 1}, {"COA", 1}, {"RP", 1}, {"PTI", 50}},
         {{"VAD", 4185813}, {"VAF", 2092907}}},
        // VAD 14131833; VAF = 50 * 14131833 / 100 = 7065916.5
        {"final value with a land part", 6,
         {{"VRI", 76415}, {"CCL", 0.7}, {"CCO", 80000}, {"DEP", 0.64}, {"SHO", 103.0352}, {"COA", 1}, {"RP", 1},
          {"PTI", 50}},
         {{"VAD", 14131833}, {"VAF", 7065917}}},
        // VAF = VAD = 7485084 and S = 0.7 * 31439 * 95 = 2090693.5, so VSF = VAF * S / VAD = S
        {"land part", 6,
         {{"VRI", 31439}, {"CCL", 0.7}, {"CCO", 48081}, {"DEP", 0.76}, {"SHO", 95}, {"COA", 1}, {"RP", 1},
          {"PTI", 100}},
         {{"VAF", 7485084}, {"VSF", 2090694}, {"VCF", 5394390}}},
        // VAF = VAD = 51431332 and S = 1.1 * 93000 * 261.905 = 26792881.5
        {"street-front shop, land part", 4,
         {{"VRC", 93000}, {"CCL", 1.1}, {"CCO", 40000}, {"SHO", 261.905}, {"COA", 1}, {"RP", 1}, {"PTI", 100}},
         {{"VAF", 51431332}, {"VSF", 26792882}, {"VCF", 24638450}}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto r = Registro(c.tipo, c.entrada);
        ValorarRegistro(*r);
        for (const auto& [codigo, v] : c.esperado)
            EXPECT_EQ(Valor(*r, codigo), v) << codigo;
    }
}

TEST(ValorarRegistro, AZoneValueOf0ZeroesTheResultsWhereTheRecordIsGuarded)
{
    const std::pair<int, const char*> guardados[] = {{2, "VRR"}, {4, "VRC"}, {5, "VRC"}, {6, "VRI"},
                                                     {7, "VRR"}, {8, "VRI"}, {9, "VRI"}};
    for (const auto& [tipo, zona] : guardados) {
        SCOPED_TRACE(testing::Message() << "typology " << tipo);
        // Results of an earlier valuation, and a construction cost that alone would give a value.
        auto r = Registro(tipo, {{zona, 0},
                                 {"CCO", 30000},
                                 {"CCL", 1},
                                 {"SHO", 10},
                                 {"COA", 1},
                                 {"RP", 1},
                                 {"PTI", 100},
                                 {"VAD", 5},
                                 {"VAC", 5},
                                 {"VCO", 5},
                                 {"VAF", 5},
                                 {"VSF", 2},
                                 {"VCF", 3}});
        if (r->Has("DEP"))
            r->Set("DEP", 1.0);
        ValorarRegistro(*r);
        for (const char* codigo : {"VAD", "VAC", "VCO", "VAF", "VSF", "VCF"})
            EXPECT_EQ(Valor(*r, codigo), 0) << codigo;
        EXPECT_EQ(Valor(*r, "CCO"), 30000);
    }
}

TEST(ValorarRegistro, TypedEntryPointsValueTheirRecord)
{
    cDatosTip4 r;
    r.setP4_MON("P");
    r.setP4_VRC(100000);
    r.setP4_CCL(1.1);
    r.setP4_CCO(40000);
    r.setP4_SHO(91);
    r.setP4_COA(1);
    r.setP4_RP(1.1);
    r.setP4_PTI(50);
    ValorarTip4(r);
    EXPECT_EQ(r.P4_VAF(), 10360350);

    cDatosTip8 r8;
    r8.setP8_VRI(12020);
    r8.setP8_CCL(1);
    r8.setP8_CCO(36061);
    r8.setP8_DEP(0.85);
    r8.setP8_SHO(100);
    ValorarTip8(r8);
    EXPECT_NEAR(r8.P8_VAD(), 5820201.3, 1e-6);
}

TEST(ValorarRegistro, ANonFiniteStepIsAnArithmeticFaultAndKeepsTheStepsBeforeIt)
{
    // V itself overflows: nothing is stored.
    auto r = Registro(1, {{"VRR", 1e300}, {"CCL", 1}, {"CCO", 1e300}, {"DEP", 1}, {"SHO", 1e10}, {"VAD", 5}});
    EXPECT_THROW(ValorarRegistro(*r), std::overflow_error);
    EXPECT_EQ(Valor(*r, "VAD"), 5);

    // V is stored, the value at the valuation date overflows.
    auto g = Registro(3, {{"MAP", 1e200}, {"CCS", 1}, {"CCG", 1}, {"COA", 1e200}, {"VAC", 7}});
    EXPECT_THROW(ValorarRegistro(*g), std::overflow_error);
    EXPECT_EQ(Valor(*g, "VAD"), 1e200);
    EXPECT_EQ(Valor(*g, "VAC"), 7);

    EXPECT_THROW(Comprobado(std::nan("")), std::overflow_error);
    EXPECT_EQ(Comprobado(-2.5), -2.5);
}
