#include "typologies/commercial_residential/Tipologia5.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/Option.h"
#include "typologies/commercial_residential/InformeComercialResidencial.h"

namespace {

ParametrosVentana ParametrosComercialResidencial()
{
    ParametrosVentana p;
    p.tipo = 5;
    p.idTitulo = 134;
    p.idSeparadorRango = 112;
    p.dosPuntosTrasFechaR = false;  // message 109 runs straight into the date
    p.idZona9xx = 133;
    p.localizacion = TipoLocalizacion::CalleSubzonaComercial;
    p.cajasEdad = CajasEdad::DeshabilitarLaOtra;
    // Surface and percentage are compared with a text that never matches: every non-zero entry
    // is taken and recomputed.
    p.valorIgual = ValorIgual::SeToma;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 134, D::Ventana},
        {"Frame1", 91, D::Rotulo},
        {"Label7", 130, D::Rotulo},
        {"Label3", 99, D::Rotulo},
        {"Label2", 98, D::Rotulo},
        {"Label4", 129, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label5", 128, D::Rotulo},
        {"Label6", 94, D::Rotulo},
        {"Label8", 92, D::Rotulo},
        {"Frame5", 81, D::Rotulo},
        {"Chkp5cl1", 85, D::RotuloYAyuda},
        {"Label11", 87, D::Rotulo},
        {"Label10", 86, D::Rotulo},
        {"Frame3", 80, D::Rotulo},
        {"Frame4", 78, D::Rotulo},
        {"Label9", 79, D::Rotulo},
        {"Frame2", 75, D::Rotulo},
        {"optp5tsu(1)", 77, D::Rotulo},
        {"optp5tsu(0)", 76, D::Rotulo},
        {"Frame7", 59, D::Rotulo},
        {"cmdayuda", 63, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdsalir", 60, D::Ayuda},
        {"Frame8", 16, D::Rotulo},
        {"optp5mon(0)", 18, D::Rotulo},
        {"optp5mon(1)", 17, D::Rotulo},
        {"Label16", 74, D::Rotulo},
        {"Label15", 135, D::Rotulo},
        {"Label14", 72, D::Rotulo},
        {"Label17", 71, D::Rotulo},
        {"Label19", 70, D::Rotulo},
        {"Label18", 69, D::Rotulo},
        {"Label20", 68, D::Rotulo},
        {"Label21", 67, D::Rotulo},
        {"Label22", 66, D::Rotulo},
        {"Label23", 65, D::Rotulo},
        {"Label24", 64, D::Rotulo},
        {"Label25", 64, D::Rotulo},
        {"Frame6", 54, D::Rotulo},
        {"optp5anttipo(1)", 55, D::Rotulo},
        {"optp5anttipo(0)", 56, D::Rotulo},
        {"Label12", 58, D::Rotulo},
        {"Label13", 57, D::Rotulo},
        {"Label26", 100, D::Rotulo},
    };

    using R = Regla;
    p.cajas = {
        {RecordCode::NUP, R::Plana},     {RecordCode::NUS, R::Texto},     {RecordCode::ANT, R::Plana},     {RecordCode::DEP, R::CeroVacio},
        {RecordCode::SBU, R::CeroVacio}, {RecordCode::SHO, R::CeroVacio}, {RecordCode::CCL, R::CeroVacio}, {RecordCode::VRC, R::Moneda},
        {RecordCode::CCO, R::Moneda},    {RecordCode::VAD, R::Moneda},    {RecordCode::VAC, R::Moneda},    {RecordCode::VCO, R::Moneda},
        {RecordCode::VAF, R::Moneda},    {RecordCode::VSF, R::Moneda},    {RecordCode::VCF, R::Moneda},    {RecordCode::PTI, R::Plana},
        {RecordCode::AÑOP, R::CeroVacio}, {RecordCode::COA, R::CeroVacio}, {RecordCode::RP, R::CeroVacio},
    };

    using G = Guardado;
    p.guardan = {
        {RecordCode::ANT, G::Entero}, {RecordCode::AÑOP, G::Entero}, {RecordCode::CCL, G::Numero}, {RecordCode::COA, G::Numero},
        {RecordCode::DEP, G::Numero}, {RecordCode::RP, G::Numero},    {RecordCode::SHO, G::Numero}, {RecordCode::NUS, G::Texto},
    };
    // clang-format on

    p.monedas = MonedasConResultados({
        {RecordCode::VRC, "#,###,###", "#,###,##0.00"},
        {RecordCode::CCO, "###,###", "###,##0.00"},
    });

    // Redrawn in this order; the check box between the two (PresentaSituacion).
    p.opciones = {
        {RecordCode::TSU, "C", 0},
        {RecordCode::MON, "P", 0},
    };
    return p;
}

cDatosTip5& R5() { return gDatosTip5(); }

}  // namespace

Tipologia5::Tipologia5() : VentanaTipologiaBase(QStringLiteral("Tipologia5"), ParametrosComercialResidencial())
{
    Disenar();
    ConectarControles();
    // Chkp5cl1 has no click handling: CL is a constant and the redraw ticks the box again.
}

CDatosTip& Tipologia5::Registro() const { return gDatosTip5(); }

// Defaults ------------------------------------------------------------------------------------

void Tipologia5::ModificaDatos()
{
    cDatosTip5& r = R5();
    if (r.P5_SVL() != QLatin1String("V"))
        return;
    r.setP5_SVL(QStringLiteral("L"));
    r.setP5_FECV(gEntrada().P_FECV());
    r.setP5_TSU(QStringLiteral("U"));
    r.setP5_MON(gEntrada().P_MON());
    int16_t version = 0;
    r.setP5_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP5_VER(version);
    PonerCosteFijo();
    r.setP5_PTI(100);
    r.setP5_ANTTIPO(QStringLiteral("A"));
    r.setP5_CCL(CalcularCL());
    r.setP5_RP(ObtenerPorcom(r.P5_EJER()) / 100);
    ValoresIniciales();
    Localizacion().VaciarLista();
}

void Tipologia5::InicializaFechaV()
{
    cDatosTip5& r = R5();
    r.setP5_SVL(QStringLiteral("L"));
    r.setP5_TSU(QStringLiteral("U"));
    r.setP5_ANTTIPO(QStringLiteral("A"));
    r.setP5_CCL(CalcularCL());
    r.setP5_PTI(100);
    r.setP5_RP(ObtenerPorcom(r.P5_EJER()) / 100);
    // The record keeps its currency across the change of period: the cost follows it.
    PonerCosteFijo();
    ValoresIniciales();
    Localizacion().VaciarLista();
}

// Presentation --------------------------------------------------------------------------------

void Tipologia5::PresentaSituacion() { MarcarCasilla(Chkp5cl1, R5().P5_CL1().isEmpty() ? 0 : 1); }

// Report ----------------------------------------------------------------------------------------

void Tipologia5::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(QStringLiteral("optp5tsu")));
    // The check box's caption whether it is ticked or not: CL is the same either way.
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), QLatin1Char('(') + Chkp5cl1->text() + QLatin1Char(')'));
}

void Tipologia5::DatosDescripcion() { ImprimirTabla(InformeComercialResidencialEs()); }

void Tipologia5::DatosDescripcionE() { ImprimirTabla(InformeComercialResidencialEu()); }
