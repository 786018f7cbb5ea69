#include "typologies/commercial_industrial/Tipologia6.h"

#include "core/Globals.h"
#include "typologies/commercial_industrial/InformeComercialIndustrial.h"

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
    p.valorIgual = ValorIgual::SeToma;
    p.descripcionPasaFoco = false;  // the summary box has no handler: it keeps the focus it is given

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

}  // namespace

// A new record takes RP of the calendar year of the settings' date; CL 0.7 in an interior
// position.
Tipologia6::Tipologia6()
    : VentanaIndustrial(QStringLiteral("Tipologia6"), ParametrosComercialIndustrial(),
                        {.porcentajeNuevo = AnoPorcentaje::AnoFechaOmision, .clSituacion = 0.7})
{
    Disenar();
    ConectarControles();
    ConectarSituacion();
}

CDatosTip& Tipologia6::Registro() const { return gDatosTip6(); }

void Tipologia6::DatosDescripcion() { ImprimirTabla(InformeComercialIndustrialEs()); }

void Tipologia6::DatosDescripcionE() { ImprimirTabla(InformeComercialIndustrialEu()); }
