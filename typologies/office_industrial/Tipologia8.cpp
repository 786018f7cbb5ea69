#include "typologies/office_industrial/Tipologia8.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/office_industrial/InformeOficinaIndustrial.h"
#include "typologies/shared/LocalizacionIndustrial.h"

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

cDatosTip8& R8() { return gDatosTip8(); }

}  // namespace

Tipologia8::Tipologia8() : VentanaTipologiaBase(QStringLiteral("Tipologia8"), ParametrosOficinaIndustrial())
{
    Disenar();
    ConectarControles();
    ConectarPropios();
}

CDatosTip& Tipologia8::Registro() const { return gDatosTip8(); }

void Tipologia8::ConectarPropios()
{
    Conectar(Chkp8cl1, &CheckBox::Click, [this] { Chkp8cl1_Click(); });
}

// Load and defaults ------------------------------------------------------------------------------

void Tipologia8::Defectos()
{
    cDatosTip8& r = R8();
    r.setP8_TSU(QStringLiteral("U"));
    r.setP8_ANTTIPO(QStringLiteral("A"));
    r.setP8_CCL(1.0);
    r.setP8_PTI(100);
    r.setP8_RP(ObtenerPorcom(r.P8_EJER()) / 100);
    PonerCosteFijo();
    ValoresIniciales();
    Localizacion().VaciarLista();
}

void Tipologia8::ModificaDatos()
{
    cDatosTip8& r = R8();
    if (r.P8_SVL() != QLatin1String("V"))
        return;
    r.setP8_SVL(QStringLiteral("L"));
    r.setP8_FECV(gEntrada().P_FECV());
    int16_t version = 0;  // the record keeps no version
    r.setP8_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP8_MON(gEntrada().P_MON());
    Defectos();
}

void Tipologia8::InicializaFechaV()
{
    // A new valuation year: date, year and currency stay, the rest starts again.
    R8().setP8_SVL(QStringLiteral("L"));
    Defectos();
}

// Coefficients ------------------------------------------------------------------------------------

double Tipologia8::CalcularCL() const { return Chkp8cl1 && Chkp8cl1->Value() != 0 ? 0.3 : 1.0; }

void Tipologia8::Chkp8cl1_Click()
{
    Situacion_Click(Chkp8cl1, RecordCode::CL1, {}, [this] { return CalcularCL(); });
}

// Presentation --------------------------------------------------------------------------------------

void Tipologia8::PresentaSituacion() { MarcarCasilla(Chkp8cl1, R8().P8_CL1().isEmpty() ? 0 : 1); }

// Report -----------------------------------------------------------------------------------------

void Tipologia8::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(QStringLiteral("optp8tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({Chkp8cl1}));
}

void Tipologia8::DatosDescripcion() { ImprimirTabla(InformeOficinaIndustrialEs()); }

void Tipologia8::DatosDescripcionE() { ImprimirTabla(InformeOficinaIndustrialEu()); }
