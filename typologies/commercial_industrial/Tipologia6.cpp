#include "typologies/commercial_industrial/Tipologia6.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/MaskEdBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/commercial_industrial/InformeComercialIndustrial.h"
#include "typologies/shared/LocalizacionIndustrial.h"

namespace {

ParametrosVentana ParametrosComercialIndustrial()
{
    ParametrosVentana p;
    p.tipo = 6;
    p.idTitulo = 137;
    p.idSeparadorRango = 112;
    p.dosPuntosTrasFechaR = false;  // message 109 runs straight into the date
    p.idZona9xx = 0;                // located by industrial zone: no street zones to refuse
    p.localizacion = TipoLocalizacion::MunicipioZonaIndustrial;
    p.cajasEdad = CajasEdad::DeshabilitarLaOtra;
    p.tomaValorIgual = true;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 137, D::Ventana},
        {"Frame1", 91, D::Rotulo},
        {"Label5", 138, D::Rotulo},
        {"Label2", 139, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label3", 140, D::Rotulo},
        {"Label4", 94, D::Rotulo},
        {"Label6", 92, D::Rotulo},
        {"Frame3", 80, D::Rotulo},
        {"Frame4", 78, D::Rotulo},
        {"Label7", 79, D::Rotulo},
        {"Frame2", 75, D::Rotulo},
        {"optp6tsu(1)", 77, D::Rotulo},
        {"optp6tsu(0)", 76, D::Rotulo},
        {"Frame5", 81, D::Rotulo},
        {"Chkp6cl1", 85, D::Rotulo},
        {"Chkp6cl1", 85, D::Ayuda},
        {"Label9", 87, D::Rotulo},
        {"Label8", 86, D::Rotulo},
        {"Frame7", 59, D::Rotulo},
        {"Frame8", 16, D::Rotulo},
        {"optp6mon(0)", 18, D::Rotulo},
        {"optp6mon(1)", 17, D::Rotulo},
        {"cmdsalir", 60, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdayuda", 63, D::Ayuda},
        {"Label14", 74, D::Rotulo},
        {"Label13", 141, D::Rotulo},
        {"Label12", 72, D::Rotulo},
        {"Label15", 71, D::Rotulo},
        {"Label17", 70, D::Rotulo},
        {"Label16", 69, D::Rotulo},
        {"Label18", 68, D::Rotulo},
        {"Label19", 67, D::Rotulo},
        {"Label22", 66, D::Rotulo},
        {"Label23", 65, D::Rotulo},
        {"Label24", 64, D::Rotulo},
        {"Label25", 64, D::Rotulo},
        {"Frame6", 54, D::Rotulo},
        {"optp6anttipo(1)", 55, D::Rotulo},
        {"optp6anttipo(0)", 56, D::Rotulo},
        {"Label10", 58, D::Rotulo},
        {"Label11", 57, D::Rotulo},
        {"Label26", 100, D::Rotulo},
    };
    // clang-format on

    p.cajas = CajasIndustriales();

    // RP is drawn but never stored back: the record keeps the percentage of the year as read.
    // The CL box stores the CL its situation box writes into it.
    p.guardan = GuardanIndustriales();
    p.guardan.push_back({RecordCode::CCL, Guardado::Numero});

    p.monedas = MonedasConResultados({
        {RecordCode::VRI, "#,###,###", "#,###,##0.00"},
        {RecordCode::CCO, "###,###", "###,##0.00"},
    });

    p.opciones = {
        {RecordCode::TSU, "C", 0},
        {RecordCode::MON, "P", 0},
    };
    return p;
}

cDatosTip6& R6() { return gDatosTip6(); }

}  // namespace

Tipologia6::Tipologia6() : VentanaTipologiaBase(QStringLiteral("Tipologia6"), ParametrosComercialIndustrial())
{
    Disenar();
    ConectarControles();
    ConectarPropios();
}

CDatosTip& Tipologia6::Registro() const { return gDatosTip6(); }

void Tipologia6::ConectarPropios()
{
    Conectar(Chkp6cl1, &CheckBox::Click, [this] { Chkp6cl1_Click(); });
}

// Load and defaults ------------------------------------------------------------------------------

void Tipologia6::Defectos()
{
    cDatosTip6& r = R6();
    r.setP6_TSU(QStringLiteral("U"));
    r.setP6_ANTTIPO(QStringLiteral("A"));
    r.setP6_CCL(1.0);
    r.setP6_PTI(100);
    PonerCosteFijo();
    ValoresIniciales();
    Localizacion().VaciarLista();
}

void Tipologia6::ModificaDatos()
{
    cDatosTip6& r = R6();
    if (r.P6_SVL() != QLatin1String("V"))
        return;
    r.setP6_SVL(QStringLiteral("L"));
    r.setP6_FECV(gEntrada().P_FECV());
    r.setP6_MON(gEntrada().P_MON());
    int16_t version = 0;  // the record keeps no version
    r.setP6_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    Defectos();
    // RP of the calendar year of the settings' date, which is the valuation year whenever the
    // valuation periods are calendar years.
    const auto ano = static_cast<int16_t>(gEntrada().P_FECV() / 10000);
    r.setP6_RP(ObtenerPorcom(ano) / 100);
}

void Tipologia6::InicializaFechaV()
{
    // A new valuation year: date, year and currency stay, the rest starts again.
    cDatosTip6& r = R6();
    r.setP6_SVL(QStringLiteral("L"));
    Defectos();
    r.setP6_RP(ObtenerPorcom(r.P6_EJER()) / 100);
}

// Coefficients and entries -------------------------------------------------------------------------

double Tipologia6::CalcularCL() const { return Chkp6cl1 && Chkp6cl1->Value() != 0 ? 0.7 : 1.0; }

void Tipologia6::Chkp6cl1_Click()
{
    Situacion_Click(Chkp6cl1, RecordCode::CL1, {}, [this] { return CalcularCL(); });
}

// Presentation --------------------------------------------------------------------------------------

void Tipologia6::PresentaSituacion() { MarcarCasilla(Chkp6cl1, R6().P6_CL1().isEmpty() ? 0 : 1); }

// Report -----------------------------------------------------------------------------------------

void Tipologia6::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(QStringLiteral("optp6tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({Chkp6cl1}));
}

void Tipologia6::DatosDescripcion() { ImprimirTabla(InformeComercialIndustrialEs()); }

void Tipologia6::DatosDescripcionE() { ImprimirTabla(InformeComercialIndustrialEu()); }
