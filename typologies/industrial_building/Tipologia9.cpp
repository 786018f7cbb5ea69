#include "typologies/industrial_building/Tipologia9.h"

#include "core/Globals.h"
#include "typologies/industrial_building/InformePabellonIndustrial.h"

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
    p.valorIgual = ValorIgual::SeToma;
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

}  // namespace

// A new record takes RP of the valuation year; CL is the record's (no situation box).
Tipologia9::Tipologia9()
    : VentanaIndustrial(QStringLiteral("Tipologia9"), ParametrosPabellonIndustrial(),
                        {.porcentajeNuevo = AnoPorcentaje::Ejercicio, .clSituacion = std::nullopt})
{
    Disenar();
    ConectarControles();
}

CDatosTip& Tipologia9::Registro() const { return gDatosTip9(); }

void Tipologia9::DatosDescripcion() { ImprimirTabla(InformePabellonIndustrialEs()); }

void Tipologia9::DatosDescripcionE() { ImprimirTabla(InformePabellonIndustrialEu()); }
