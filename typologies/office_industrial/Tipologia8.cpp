#include "typologies/office_industrial/Tipologia8.h"

#include "core/Globals.h"
#include "typologies/office_industrial/InformeOficinaIndustrial.h"

namespace {

ParametrosVentana ParametrosOficinaIndustrial()
{
    ParametrosVentana p;
    p.tipo = 8;
    p.idTitulo = 146;
    p.idSeparadorRango = 112;
    p.dosPuntosTrasFechaR = false;  // message 109 runs straight into the date
    p.idZona9xx = 0;                // located by industrial zone: no street zones to refuse
    p.localizacion = TipoLocalizacion::MunicipioZonaIndustrial;
    p.cajasEdad = CajasEdad::DeshabilitarLaOtra;
    p.valorIgual = ValorIgual::SeToma;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 146, D::Ventana},
        {"Frame6", 54, D::Rotulo},
        {"optp8anttipo(0)", 56, D::Rotulo},
        {"optp8anttipo(1)", 55, D::Rotulo},
        {"Label11", 57, D::Rotulo},
        {"Label10", 58, D::Rotulo},
        {"Frame7", 59, D::Rotulo},
        {"cmdayuda", 63, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdsalir", 60, D::Ayuda},
        {"Frame8", 16, D::Rotulo},
        {"optp8mon(1)", 17, D::Rotulo},
        {"optp8mon(0)", 18, D::Rotulo},
        {"Label25", 64, D::Rotulo},
        {"Label24", 64, D::Rotulo},
        {"Label23", 65, D::Rotulo},
        {"Label22", 66, D::Rotulo},
        {"Label19", 67, D::Rotulo},
        {"Label18", 68, D::Rotulo},
        {"Label16", 69, D::Rotulo},
        {"Label17", 70, D::Rotulo},
        {"Label15", 71, D::Rotulo},
        {"Label12", 72, D::Rotulo},
        {"Label13", 141, D::Rotulo},
        {"Label14", 74, D::Rotulo},
        {"Frame5", 81, D::Rotulo},
        {"Chkp8cl1", 82, D::Rotulo},
        {"Chkp8cl1", 82, D::Ayuda},
        {"Label8", 86, D::Rotulo},
        {"Label9", 87, D::Rotulo},
        {"Frame2", 75, D::Rotulo},
        {"optp8tsu(0)", 76, D::Rotulo},
        {"optp8tsu(1)", 77, D::Rotulo},
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

// A new record takes RP of the valuation year; CL 0.3 in a basement.
Tipologia8::Tipologia8()
    : VentanaIndustrial(QStringLiteral("Tipologia8"), ParametrosOficinaIndustrial(),
                        {.porcentajeNuevo = AnoPorcentaje::Ejercicio, .clSituacion = 0.3})
{
    Disenar();
    ConectarControles();
    ConectarSituacion();
}

CDatosTip& Tipologia8::Registro() const { return gDatosTip8(); }

void Tipologia8::DatosDescripcion() { ImprimirTabla(InformeOficinaIndustrialEs()); }

void Tipologia8::DatosDescripcionE() { ImprimirTabla(InformeOficinaIndustrialEu()); }
