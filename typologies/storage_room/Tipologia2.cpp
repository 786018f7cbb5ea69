#include "typologies/storage_room/Tipologia2.h"

#include <exception>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/storage_room/InformeTrastero.h"

namespace {

// Pesetas per euro cent.

ParametrosVentana ParametrosTrastero()
{
    ParametrosVentana p;
    p.tipo = 2;
    p.idTitulo = 111;
    p.idSeparadorRango = 112;
    p.dosPuntosTrasFechaR = false;  // message 109 runs straight into the date
    p.idZona9xx = 103;
    p.importesZona = {{"t07_vrr", RecordCode::VRR}};
    p.cajasEdad = CajasEdad::DeshabilitarLaOtra;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 111, D::Ventana},
        {"Frame7", 54, D::Rotulo},
        {"optp2anttipo(1)", 55, D::Rotulo},
        {"optp2anttipo(0)", 56, D::Rotulo},
        {"Label13", 57, D::Rotulo},
        {"Label12", 58, D::Rotulo},
        {"Frame8", 59, D::Rotulo},
        {"cmdsalir", 60, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdayuda", 63, D::Ayuda},
        {"Frame9", 16, D::Rotulo},
        {"optp2mon(1)", 17, D::Rotulo},
        {"optp2mon(0)", 18, D::Rotulo},
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
        {"Label15", 73, D::Rotulo},
        {"Label16", 74, D::Rotulo},
        {"Frame3", 75, D::Rotulo},
        {"optp2tsu(0)", 76, D::Rotulo},
        {"optp2tsu(1)", 77, D::Rotulo},
        {"Frame5", 78, D::Rotulo},
        {"Label9", 79, D::Rotulo},
        {"Frame4", 80, D::Rotulo},
        {"Frame6", 81, D::Rotulo},
        {"Chkp2cl1", 82, D::RotuloYAyuda},
        {"Label10", 86, D::Rotulo},
        {"Label11", 87, D::Rotulo},
        {"Frame2", 88, D::Rotulo},
        {"optp2tvi(1)", 89, D::Rotulo},
        {"optp2tvi(0)", 90, D::Rotulo},
        {"Frame1", 91, D::Rotulo},
        {"Label8", 92, D::Rotulo},
        {"Label7", 93, D::Rotulo},
        {"Label6", 94, D::Rotulo},
        {"Label5", 95, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label4", 97, D::Rotulo},
        {"Label2", 98, D::Rotulo},
        {"Label3", 99, D::Rotulo},
        {"Label26", 100, D::Rotulo},
    };
    // clang-format on

    p.cajas = CajasResidenciales();

    p.guardan = GuardanResidenciales(Guardado::NumeroSiNoVacio);

    p.monedas = MonedasConResultados({
        {RecordCode::VRR, "#,###,###", "#,###,##0.00"},
        {RecordCode::CCO, "###,###", "###,##0.00"},
    });

    p.opciones = {
        {RecordCode::TVI, "P", 1},
        {RecordCode::TSU, "C", 0},
        {RecordCode::MON, "P", 0},
    };
    return p;
}

cDatosTip2& R2() { return gDatosTip2(); }

}  // namespace

Tipologia2::Tipologia2() : VentanaTipologiaBase(QStringLiteral("Tipologia2"), ParametrosTrastero())
{
    Disenar();
    ConectarControles();
    ConectarPropios();
}

CDatosTip& Tipologia2::Registro() const { return gDatosTip2(); }

void Tipologia2::ConectarPropios()
{
    Conectar(Chkp2cl1, &CheckBox::Click, [this] { Chkp2cl1_Click(); });
    for (int i = 0; i < 2; ++i)
        Conectar(Ctl<OptionButton>(Opcion(QStringLiteral("optp2tvi"), i)), &OptionButton::Click,
                 [this, i] { optp2tvi_Click(i); });
}

// Defaults ------------------------------------------------------------------------------------

void Tipologia2::ModificaDatos()
{
    cDatosTip2& r = R2();
    if (r.P2_SVL() != QLatin1String("V"))
        return;
    r.setP2_SVL(QStringLiteral("L"));
    r.setP2_TVI(QStringLiteral("P"));
    r.setP2_CCL(0.35);
    r.setP2_TSU(QStringLiteral("U"));
    int16_t version = 0;
    r.setP2_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP2_VER(version);
    r.setP2_PTI(100);
    r.setP2_ANTTIPO(QStringLiteral("A"));
    r.setP2_MON(gEntrada().P_MON());
    // The cost in the unit of the record's amounts.
    PonerCosteFijo();
    ValoresIniciales();
    r.setP2_FECV(gEntrada().P_FECV());
    r.setP2_RP(ObtenerPorcom(r.P2_EJER()) / 100);
    Localizacion().VaciarLista();
}

void Tipologia2::InicializaFechaV()
{
    cDatosTip2& r = R2();
    r.setP2_SVL(QStringLiteral("L"));
    r.setP2_TVI(QStringLiteral("P"));
    r.setP2_TSU(QStringLiteral("U"));
    r.setP2_PTI(100);
    r.setP2_ANTTIPO(QStringLiteral("A"));
    r.setP2_CCL(0.35);
    ValoresIniciales();
    r.setP2_RP(ObtenerPorcom(r.P2_EJER()) / 100);
    // The record keeps its currency across the change of period: the cost follows it.
    PonerCosteFijo();
    Localizacion().VaciarLista();
}

// Valuation -----------------------------------------------------------------------------------

void Tipologia2::Paso(const std::function<void()>& paso, const std::function<void()>& alFallar)
{
    if (!bOmitirFallos) {
        paso();
        return;
    }
    try {
        paso();
    } catch (const std::exception&) {
        if (alFallar)
            alFallar();
    }
}

void Tipologia2::OmitiendoFallos(const std::function<void()>& pasos)
{
    const bool omitia = bOmitirFallos;
    bOmitirFallos = true;
    try {
        pasos();
    } catch (...) {
        bOmitirFallos = omitia;
        throw;
    }
    bOmitirFallos = omitia;
}

void Tipologia2::BuscarZona(const QString& calleAnterior, int16_t portalAnterior)
{
    OmitiendoFallos([&] {
        // A street or zone that cannot be read counts as a portal no stretch covers: the zone
        // is emptied and the valuation goes on with no zone value.
        Paso([&] { VentanaTipologiaBase::BuscarZona(calleAnterior, portalAnterior); },
             [&] {
                 Paso([&] { EscribirCaja(Ctl<CajaNum>(QStringLiteral("txtp2nur")), QString()); });
                 Paso([&] { CalcularValores(); });
             });
    });
}

void Tipologia2::RecalcularDesdeRegistro()
{
    OmitiendoFallos([&] { Paso([&] { VentanaTipologiaBase::RecalcularDesdeRegistro(); }); });
}

void Tipologia2::CalcularValores()
{
    cDatosTip2& r = R2();
    bool hayMunicipio = true;
    // A zone value that cannot be read is no value (never the previous zone's).
    Paso([&] { hayMunicipio = Localizacion().LeerValorZona(); }, [&] { r.setP2_VRR(0); });
    PonerCosteFijo();
    if (!hayMunicipio)
        return;
    Resultados();
}

void Tipologia2::CadenaValores() { Resultados(); }

void Tipologia2::Resultados()
{
    cDatosTip2& r = R2();
    // Inside the zone lookup a chain that fails values nothing.
    Paso([&] { valoracion::ValorarRegistro(r); },
         [&r] {
             for (RecordCode codigo : {RecordCode::VAD, RecordCode::VAC, RecordCode::VCO, RecordCode::VAF,
                                       RecordCode::VSF, RecordCode::VCF})
                 r.Set(codigo, 0.0);
         });
}

double Tipologia2::CalcularCL() { return Chkp2cl1->Value() != 0 ? 0.30 : 0.35; }

// Handlers of the storage room's own controls ----------------------------------------------------

void Tipologia2::Chkp2cl1_Click()
{
    Situacion_Click(Chkp2cl1, RecordCode::CL1, {}, [this] { return CalcularCL(); });
}

void Tipologia2::optp2tvi_Click(int Index)
{
    if (!OpcionMarcada(QStringLiteral("optp2tvi"), Index))
        return;
    R2().setP2_TVI(Index == 1 ? QStringLiteral("P") : QStringLiteral("U"));
    Superficie().RecalcularSH();
}

// Presentation --------------------------------------------------------------------------------

void Tipologia2::PresentaSituacion()
{
    // The one situation box follows its code whatever the class.
    MarcarCasilla(Chkp2cl1, R2().P2_CL1().isEmpty() ? 0 : 1);
}

// Report ----------------------------------------------------------------------------------------

void Tipologia2::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(QStringLiteral("optp2tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaTVI"), RotuloOpcionElegida(QStringLiteral("optp2tvi")));
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({Chkp2cl1}));
}

void Tipologia2::DatosDescripcion() { ImprimirTabla(InformeTrasteroEs()); }

void Tipologia2::DatosDescripcionE() { ImprimirTabla(InformeTrasteroEu()); }
