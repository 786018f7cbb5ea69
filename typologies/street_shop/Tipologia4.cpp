#include "typologies/street_shop/Tipologia4.h"

#include <QLineEdit>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/street_shop/InformeLocal.h"

namespace {

// CL of a shop in a basement, on a corner of two public roads, and anywhere else.
constexpr double kCLSotano = 0.3;
constexpr double kCLEsquina = 1.1;
constexpr double kCLGeneral = 1.0;

ParametrosVentana ParametrosLocal()
{
    ParametrosVentana p;
    p.tipo = 4;
    p.idTitulo = 126;
    p.idSeparadorRango = 112;
    p.idZona9xx = 133;
    p.localizacion = TipoLocalizacion::CalleSubzonaComercial;
    p.descripcionPasaFoco = false;
    p.valorIgual = ValorIgual::NadaSiMismoValor;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 126, D::Ventana},
        {"Frame6", 81, D::Rotulo},
        {"Chkp4cl2", 127, D::RotuloYAyuda},
        {"Chkp4cl1", 82, D::RotuloYAyuda},
        {"Label11", 87, D::Rotulo},
        {"Label10", 86, D::Rotulo},
        {"Frame2", 75, D::Rotulo},
        {"optp4tsu(0)", 76, D::Rotulo},
        {"optp4tsu(1)", 77, D::Rotulo},
        {"Frame4", 78, D::Rotulo},
        {"Label9", 79, D::Rotulo},
        {"Frame3", 80, D::Rotulo},
        {"Frame1", 91, D::Rotulo},
        {"Label8", 92, D::Rotulo},
        {"Label6", 94, D::Rotulo},
        {"Label5", 128, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label4", 129, D::Rotulo},
        {"Label2", 98, D::Rotulo},
        {"Label3", 99, D::Rotulo},
        {"Label7", 130, D::Rotulo},
        {"Frame7", 59, D::Rotulo},
        {"Frame8", 16, D::Rotulo},
        {"optp4mon(1)", 17, D::Rotulo},
        {"optp4mon(0)", 18, D::Rotulo},
        {"cmdsalir", 60, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdayuda", 63, D::Ayuda},
        {"Label25", 64, D::Rotulo},
        {"Label24", 64, D::Rotulo},
        {"Label23", 65, D::Rotulo},
        {"Label22", 66, D::Rotulo},
        {"Label21", 67, D::Rotulo},
        {"Label20", 68, D::Rotulo},
        {"Label18", 69, D::Rotulo},
        {"Label19", 70, D::Rotulo},
        {"Label17", 71, D::Rotulo},
        {"Label14", 72, D::Rotulo},
        {"Label15", 131, D::Rotulo},
        {"Label16", 74, D::Rotulo},
        {"Label26", 100, D::Rotulo},
    };

    using R = Regla;
    p.cajas = {
        {RecordCode::NUP, R::Plana},      {RecordCode::NUS, R::Texto},      {RecordCode::SBU, R::CeroVacio},  {RecordCode::SHO, R::CeroVacio},
        {RecordCode::CCL, R::CeroVacio},  {RecordCode::VRC, R::Moneda},     {RecordCode::CCO, R::Moneda},     {RecordCode::VAD, R::Moneda},
        {RecordCode::VAC, R::Moneda},     {RecordCode::VCO, R::Moneda},     {RecordCode::VAF, R::Moneda},     {RecordCode::VSF, R::Moneda},
        {RecordCode::VCF, R::Moneda},     {RecordCode::PTI, R::Plana},      {RecordCode::AÑOP, R::CeroVacio}, {RecordCode::COA, R::CeroVacio},
        {RecordCode::RP, R::CeroVacio},
    };
    // clang-format on

    // The coefficient RP is shown and never stored back.
    using G = Guardado;
    p.guardan = {
        {RecordCode::NUS, G::Texto},  {RecordCode::AÑOP, G::Entero}, {RecordCode::CCL, G::Numero},
        {RecordCode::COA, G::Numero}, {RecordCode::SHO, G::Numero},
    };

    p.monedas = MonedasConResultados({
        {RecordCode::VRC, "#,###,###", "#,###,##0.00"},
        {RecordCode::CCO, "###,###", "###,##0.00"},
    });

    p.opciones = {
        {RecordCode::TSU, "C", 0},
        {RecordCode::MON, "P", 0},
    };
    return p;
}

cDatosTip4& R4() { return gDatosTip4(); }

// The fixed construction cost of the record's valuation year in the record's currency.
}  // namespace

Tipologia4::Tipologia4() : VentanaTipologiaBase(QStringLiteral("Tipologia4"), ParametrosLocal())
{
    Disenar();
    ConectarControles();
    ConectarPropios();
}

CDatosTip& Tipologia4::Registro() const { return gDatosTip4(); }

void Tipologia4::ConectarPropios()
{
    Chkp4cl1 = Ctl<CheckBox>(QStringLiteral("Chkp4cl1"));
    Chkp4cl2 = Ctl<CheckBox>(QStringLiteral("Chkp4cl2"));
    Conectar(Chkp4cl1, &CheckBox::Click, [this] { Chkp4cl1_Click(); });
    Conectar(Chkp4cl2, &CheckBox::Click, [this] { Chkp4cl2_Click(); });
    // The summary box is a stop of the tab order in this window, with no handler of its own.
    if (txtdescrip)
        txtdescrip->setFocusPolicy(Qt::StrongFocus);
}

// Defaults ------------------------------------------------------------------------------------

void Tipologia4::ModificaDatos()
{
    cDatosTip4& r = R4();
    if (r.P4_SVL() != QLatin1String("V"))
        return;
    r.setP4_SVL(QStringLiteral("L"));
    r.setP4_FECV(gEntrada().P_FECV());
    r.setP4_TSU(QStringLiteral("U"));
    r.setP4_MON(gEntrada().P_MON());
    int16_t version = 0;
    r.setP4_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP4_VER(version);
    DefectosEjercicio();
}

void Tipologia4::InicializaFechaV()
{
    cDatosTip4& r = R4();
    r.setP4_SVL(QStringLiteral("L"));
    r.setP4_TSU(QStringLiteral("U"));
    DefectosEjercicio();
}

void Tipologia4::DefectosEjercicio()
{
    cDatosTip4& r = R4();
    PonerCosteFijo();
    r.setP4_CCL(kCLGeneral);
    r.setP4_PTI(100);
    r.setP4_RP(ObtenerPorcom(r.P4_EJER()) / 100);
    ValoresIniciales();
    Localizacion().VaciarLista();
}

// Valuation -----------------------------------------------------------------------------------

double Tipologia4::CalcularCL() const
{
    if (Chkp4cl1 && Chkp4cl1->Value() != 0)
        return kCLSotano;
    if (Chkp4cl2 && Chkp4cl2->Value() != 0)
        return kCLEsquina;
    return kCLGeneral;
}

// Handlers of the shop's own controls ------------------------------------------------------------

void Tipologia4::Chkp4cl1_Click()
{
    Situacion_Click(Chkp4cl1, RecordCode::CL1, {Chkp4cl2}, [this] { return CalcularCL(); });
}

void Tipologia4::Chkp4cl2_Click()
{
    Situacion_Click(Chkp4cl2, RecordCode::CL2, {Chkp4cl1}, [this] { return CalcularCL(); });
}

// Presentation --------------------------------------------------------------------------------

void Tipologia4::PresentaSituacion()
{
    const cDatosTip4& r = R4();
    MarcarCasilla(Chkp4cl1, r.P4_CL1().isEmpty() ? 0 : 1);
    MarcarCasilla(Chkp4cl2, r.P4_CL2().isEmpty() ? 0 : 1);
}

void Tipologia4::TrasLimpiar() { Localizacion().VaciarLista(); }

// Report ----------------------------------------------------------------------------------------

void Tipologia4::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaSuperficie"), RotuloOpcionElegida(QStringLiteral("optp4tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({Chkp4cl1, Chkp4cl2}));
}

void Tipologia4::DatosDescripcion() { ImprimirTabla(InformeLocalEs()); }

void Tipologia4::DatosDescripcionE() { ImprimirTabla(InformeLocalEu()); }
