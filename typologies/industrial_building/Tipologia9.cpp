#include "typologies/industrial_building/Tipologia9.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/MaskEdBox.h"
#include "platform/Option.h"
#include "typologies/industrial_building/InformePabellonIndustrial.h"
#include "typologies/shared/LocalizacionIndustrial.h"

namespace {

ParametrosVentana ParametrosPabellonIndustrial()
{
    ParametrosVentana p;
    p.tipo = 9;
    p.idTitulo = 148;
    p.idSeparadorRango = 112;
    p.dosPuntosTrasFechaR = false;  // message 109 runs straight into the date
    p.idZona9xx = 0;                // located by industrial zone: no street zones to refuse
    p.moverAlCargar = false;        // opens where it was designed
    p.localizacion = TipoLocalizacion::MunicipioZonaIndustrial;
    p.cajasEdad = CajasEdad::DeshabilitarLaOtra;
    // Leaving the date box checks nothing while the pointer is over "Salir", so that a click
    // on it closes without a date message.
    p.fechaSinComprobar = FechaSinComprobar::PunteroSobreSalir;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 148, D::Ventana},
        {"Frame6", 54, D::Rotulo},
        {"optp9anttipo(0)", 56, D::Rotulo},
        {"optp9anttipo(1)", 55, D::Rotulo},
        {"Label10", 57, D::Rotulo},
        {"Label9", 58, D::Rotulo},
        {"Frame7", 59, D::Rotulo},
        {"cmdayuda", 63, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdsalir", 60, D::Ayuda},
        {"Frame8", 16, D::Rotulo},
        {"optp9mon(1)", 17, D::Rotulo},
        {"optp9mon(0)", 18, D::Rotulo},
        {"Label25", 64, D::Rotulo},
        {"Label24", 64, D::Rotulo},
        {"Label23", 65, D::Rotulo},
        {"Label22", 66, D::Rotulo},
        {"Label18", 67, D::Rotulo},
        {"Label17", 68, D::Rotulo},
        {"Label15", 69, D::Rotulo},
        {"Label16", 70, D::Rotulo},
        {"Label14", 71, D::Rotulo},
        {"Label11", 72, D::Rotulo},
        {"Label12", 141, D::Rotulo},
        {"Label13", 74, D::Rotulo},
        {"Frame5", 86, D::Rotulo},
        {"Label8", 87, D::Rotulo},
        {"Frame2", 75, D::Rotulo},
        {"optp9tsu(0)", 76, D::Rotulo},
        {"optp9tsu(1)", 77, D::Rotulo},
        {"Frame4", 78, D::Rotulo},
        {"Label7", 79, D::Rotulo},
        {"Frame3", 80, D::Rotulo},
        {"Frame1", 91, D::Rotulo},
        {"Label5", 138, D::Rotulo},
        {"Label6", 92, D::Rotulo},
        {"Label4", 94, D::Rotulo},
        {"Label3", 140, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label2", 139, D::Rotulo},
        {"Label26", 100, D::Rotulo},
    };
    // clang-format on

    p.cajas = CajasIndustriales();

    // Neither CL nor RP is stored back when drawn: the RP box shows 1,13 for a record's 1,125.
    p.guardan = GuardanIndustriales();

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

cDatosTip9& R9() { return gDatosTip9(); }

}  // namespace

Tipologia9::Tipologia9() : VentanaTipologiaBase(QStringLiteral("Tipologia9"), ParametrosPabellonIndustrial())
{
    Disenar();
    ConectarControles();
}

CDatosTip& Tipologia9::Registro() const { return gDatosTip9(); }

// Load and defaults ------------------------------------------------------------------------------

void Tipologia9::ModificaDatos()
{
    cDatosTip9& r = R9();
    if (r.P9_SVL() != QLatin1String("V"))
        return;
    r.setP9_SVL(QStringLiteral("L"));
    r.setP9_FECV(gEntrada().P_FECV());
    r.setP9_TSU(QStringLiteral("U"));
    r.setP9_MON(gEntrada().P_MON());
    int16_t version = 0;  // the record keeps no version
    r.setP9_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    Defectos();
}

void Tipologia9::InicializaFechaV()
{
    // A new valuation year: date, year and currency stay, the rest starts again.
    cDatosTip9& r = R9();
    r.setP9_SVL(QStringLiteral("L"));
    r.setP9_TSU(QStringLiteral("U"));
    Defectos();
}

void Tipologia9::Defectos()
{
    cDatosTip9& r = R9();
    PonerCosteFijo();
    r.setP9_ANTTIPO(QStringLiteral("A"));
    r.setP9_CCL(1.0);
    // The record keeps the quotient as it is (112,5 % gives 1,125).
    r.setP9_RP(ObtenerPorcom(r.P9_EJER()) / 100);
    r.setP9_PTI(100);
    ValoresIniciales();
    Localizacion().VaciarLista();
}

// Report -----------------------------------------------------------------------------------------

void Tipologia9::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(QStringLiteral("optp9tsu")));
}

void Tipologia9::DatosDescripcion() { ImprimirTabla(InformePabellonIndustrialEs()); }

void Tipologia9::DatosDescripcionE() { ImprimirTabla(InformePabellonIndustrialEu()); }
