#include "typologies/office_residential/Tipologia7.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/office_residential/InformeOficinaResidencial.h"

namespace {

ParametrosVentana ParametrosOficina()
{
    ParametrosVentana p;
    p.tipo = 7;
    p.idTitulo = 143;
    p.idSeparadorRango = 112;
    p.dosPuntosTrasFechaR = false;  // message 109 runs straight into the date
    p.idZona9xx = 144;
    p.localizacion = TipoLocalizacion::CalleZonaResidencial;
    // The zone row gives VRR only; a Null value counts 0 (and values nothing).
    p.importesZona = {{"t07_vrr", RecordCode::VRR}};
    p.cajasEdad = CajasEdad::DeshabilitarLaOtra;
    p.valorIgual = ValorIgual::SeToma;
    p.importeNuloSinFila = false;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 143, D::Ventana},
        {"Frame1", 91, D::Rotulo},
        {"Label7", 93, D::Rotulo},
        {"Label3", 99, D::Rotulo},
        {"Label2", 98, D::Rotulo},
        {"Label4", 97, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label5", 95, D::Rotulo},
        {"Label6", 94, D::Rotulo},
        {"Label8", 92, D::Rotulo},
        {"Frame5", 81, D::Rotulo},
        {"Chkp7cl1", 82, D::Rotulo},
        {"Chkp7cl1", 82, D::Ayuda},
        {"Label11", 87, D::Rotulo},
        {"Label10", 86, D::Rotulo},
        {"Frame3", 80, D::Rotulo},
        {"Frame4", 78, D::Rotulo},
        {"Label9", 79, D::Rotulo},
        {"Frame2", 75, D::Rotulo},
        {"optp7tsu(1)", 77, D::Rotulo},
        {"optp7tsu(0)", 76, D::Rotulo},
        {"Frame7", 59, D::Rotulo},
        {"cmdayuda", 63, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdsalir", 60, D::Ayuda},
        {"Frame8", 16, D::Rotulo},
        {"optp7mon(0)", 18, D::Rotulo},
        {"optp7mon(1)", 17, D::Rotulo},
        {"Label16", 74, D::Rotulo},
        {"Label15", 73, D::Rotulo},
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
        {"optp7anttipo(1)", 55, D::Rotulo},
        {"optp7anttipo(0)", 56, D::Rotulo},
        {"Label12", 58, D::Rotulo},
        {"Label13", 57, D::Rotulo},
        {"Label26", 100, D::Rotulo},
    };
    // clang-format on

    p.cajas = CajasResidenciales();

    // (1 - D) is stored as a number like the others: an empty box stores 0.
    p.guardan = GuardanResidenciales(Guardado::Numero);

    p.monedas = MonedasConResultados({
        {RecordCode::VRR, "#,###,###", "#,###,##0.00"},
        {RecordCode::CCO, "###,###", "###,##0.00"},
    });

    p.opciones = {
        {RecordCode::TSU, "C", 0},
        {RecordCode::MON, "P", 0},
    };
    return p;
}

cDatosTip7& R7() { return gDatosTip7(); }

}  // namespace

Tipologia7::Tipologia7() : VentanaTipologiaBase(QStringLiteral("Tipologia7"), ParametrosOficina())
{
    Disenar();
    ConectarControles();
    ConectarPropios();
}

CDatosTip& Tipologia7::Registro() const { return gDatosTip7(); }

void Tipologia7::ConectarPropios()
{
    Conectar(Chkp7cl1, &CheckBox::Click, [this] { Chkp7cl1_Click(); });
}

// Defaults ------------------------------------------------------------------------------------

void Tipologia7::ModificaDatos()
{
    cDatosTip7& r = R7();
    if (r.P7_SVL() != QLatin1String("V"))
        return;
    r.setP7_SVL(QStringLiteral("L"));
    r.setP7_FECV(gEntrada().P_FECV());
    r.setP7_TSU(QStringLiteral("U"));
    r.setP7_MON(gEntrada().P_MON());
    int16_t version = 0;
    r.setP7_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP7_VER(version);
    PonerCosteFijo();
    r.setP7_ANTTIPO(QStringLiteral("A"));
    r.setP7_CCL(1.0);
    r.setP7_RP(ObtenerPorcom(r.P7_EJER()) / 100);
    r.setP7_PTI(100);
    ValoresIniciales();
    Localizacion().VaciarLista();
}

void Tipologia7::InicializaFechaV()
{
    // Date, currency, year and version stay; the cost follows the record's currency.
    cDatosTip7& r = R7();
    r.setP7_SVL(QStringLiteral("L"));
    r.setP7_TSU(QStringLiteral("U"));
    r.setP7_ANTTIPO(QStringLiteral("A"));
    r.setP7_CCL(1.0);
    r.setP7_PTI(100);
    PonerCosteFijo();
    r.setP7_RP(ObtenerPorcom(r.P7_EJER()) / 100);
    ValoresIniciales();
    Localizacion().VaciarLista();
}

// Valuation -----------------------------------------------------------------------------------

double Tipologia7::CalcularCL() { return Chkp7cl1->Value() != 0 ? 0.30 : 1.0; }

// Handlers of the office's own controls -----------------------------------------------------------

void Tipologia7::Chkp7cl1_Click()
{
    Situacion_Click(Chkp7cl1, RecordCode::CL1, {}, [this] { return CalcularCL(); });
}

// Presentation --------------------------------------------------------------------------------

void Tipologia7::PresentaSituacion()
{
    // Any text in the code ticks the basement box.
    MarcarCasilla(Chkp7cl1, R7().P7_CL1().isEmpty() ? 0 : 1);
}

// Report ----------------------------------------------------------------------------------------

void Tipologia7::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaSuperficie"), RotuloOpcionElegida(QStringLiteral("optp7tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({Chkp7cl1}));
}

void Tipologia7::DatosDescripcion() { ImprimirTabla(InformeOficinaResidencialEs()); }

void Tipologia7::DatosDescripcionE() { ImprimirTabla(InformeOficinaResidencialEu()); }
