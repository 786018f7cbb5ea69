#include "typologies/dwelling/Tipologia1.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/dwelling/InformeVivienda.h"

namespace {

ParametrosVentana ParametrosVivienda()
{
    ParametrosVentana p;
    p.tipo = 1;
    p.idTitulo = 53;
    p.idSeparadorRango = 102;      // the dwelling window has its own copy of " ni posterior al "
    p.dosPuntosTrasFechaR = true;  // "…Fecha de Valoración :dd/mm/yyyy"
    p.idZona9xx = 103;
    p.importesZona = {{"t07_vrr", RecordCode::VRR}, {"t07_coscon", RecordCode::CCO}};

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 53, D::Ventana},
        {"Frame7", 54, D::Rotulo},
        {"optp1anttipo(1)", 55, D::Rotulo},
        {"optp1anttipo(0)", 56, D::Rotulo},
        {"Label13", 57, D::Rotulo},
        {"Label12", 58, D::Rotulo},
        {"Frame8", 59, D::Rotulo},
        {"cmdsalir", 60, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdayuda", 63, D::Ayuda},
        {"Frame9", 16, D::Rotulo},
        {"optp1mon(1)", 17, D::Rotulo},
        {"optp1mon(0)", 18, D::Rotulo},
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
        {"optp1tsu(0)", 76, D::Rotulo},
        {"optp1tsu(1)", 77, D::Rotulo},
        {"Frame5", 78, D::Rotulo},
        {"Label9", 79, D::Rotulo},
        {"Frame4", 80, D::Rotulo},
        {"Frame6", 81, D::Rotulo},
        {"Chkp1cl1", 82, D::RotuloYAyuda},
        {"Chkp1cl3", 83, D::RotuloYAyuda},
        {"Chkp1cl4", 84, D::RotuloYAyuda},
        {"Chkp1cl2", 85, D::RotuloYAyuda},
        {"Label10", 86, D::Rotulo},
        {"Label11", 87, D::Rotulo},
        {"Frame2", 88, D::Rotulo},
        {"optp1tvi(1)", 89, D::Rotulo},
        {"optp1tvi(0)", 90, D::Rotulo},
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

CDatosTip1& R1() { return gDatosTip1(); }

}  // namespace

Tipologia1::Tipologia1() : VentanaTipologiaBase(QStringLiteral("Tipologia1"), ParametrosVivienda())
{
    Disenar();
    ConectarControles();
    ConectarPropios();
}

CDatosTip& Tipologia1::Registro() const { return gDatosTip1(); }

void Tipologia1::ConectarPropios()
{
    Conectar(Chkp1cl1, &CheckBox::Click, [this] { Chkp1cl1_Click(); });
    Conectar(Chkp1cl2, &CheckBox::Click, [this] { Chkp1cl2_Click(); });
    Conectar(Chkp1cl3, &CheckBox::Click, [this] { Chkp1cl3_Click(); });
    Conectar(Chkp1cl4, &CheckBox::Click, [this] { Chkp1cl4_Click(); });
    for (int i = 0; i < 2; ++i)
        Conectar(Ctl<OptionButton>(Opcion(QStringLiteral("optp1tvi"), i)), &OptionButton::Click,
                 [this, i] { optp1tvi_Click(i); });
}

// Defaults ------------------------------------------------------------------------------------

void Tipologia1::Predeterminados()
{
    CDatosTip1& r = R1();
    r.setP1_SVL(QStringLiteral("L"));
    r.setP1_TVI(QStringLiteral("P"));
    r.setP1_CCL(1);
    r.setP1_TSU(QStringLiteral("U"));
    r.setP1_PTI(100);
    r.setP1_ANTTIPO(QStringLiteral("A"));
}

void Tipologia1::ModificaDatos()
{
    CDatosTip1& r = R1();
    if (r.P1_SVL() != QLatin1String("V"))
        return;
    Predeterminados();
    r.setP1_MON(gEntrada().P_MON());
    ValoresIniciales();
    r.setP1_FECV(gEntrada().P_FECV());
    int16_t version = 0;
    r.setP1_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP1_VER(version);
    r.setP1_RP(ObtenerPorcom(r.P1_EJER()) / 100);
    Localizacion().VaciarLista();
}

void Tipologia1::InicializaFechaV()
{
    // Date, currency, year and version stay.
    CDatosTip1& r = R1();
    Predeterminados();
    ValoresIniciales();
    r.setP1_RP(ObtenerPorcom(r.P1_EJER()) / 100);
    Localizacion().VaciarLista();
}

void Tipologia1::TrasLimpiar() { Localizacion().VaciarLista(); }

// Valuation -----------------------------------------------------------------------------------

double Tipologia1::CalcularCL()
{
    if (Chkp1cl1->Value() != 0)
        return 0.3;
    if (Chkp1cl2->Value() != 0)
        return 0.7;
    if (Chkp1cl3->Value() != 0)
        return 0.8;
    if (Chkp1cl4->Value() != 0)
        return 0.8;
    return 1.0;
}

// Handlers of the dwelling's own controls ---------------------------------------------------------

// "En sótano" excludes the ground floor and the fourth floor without lift; "En interior"
// combines with any of them.
void Tipologia1::Chkp1cl1_Click()
{
    Situacion_Click(Chkp1cl1, RecordCode::CL1, {Chkp1cl3, Chkp1cl4}, [this] { return CalcularCL(); });
}
void Tipologia1::Chkp1cl2_Click()
{
    Situacion_Click(Chkp1cl2, RecordCode::CL2, {}, [this] { return CalcularCL(); });
}
void Tipologia1::Chkp1cl3_Click()
{
    Situacion_Click(Chkp1cl3, RecordCode::CL3, {Chkp1cl1}, [this] { return CalcularCL(); });
}
void Tipologia1::Chkp1cl4_Click()
{
    Situacion_Click(Chkp1cl4, RecordCode::CL4, {Chkp1cl1}, [this] { return CalcularCL(); });
}

void Tipologia1::optp1tvi_Click(int Index)
{
    if (!OpcionMarcada(QStringLiteral("optp1tvi"), Index))
        return;
    if (Index == 1) {
        R1().setP1_TVI(QStringLiteral("P"));
    } else {
        R1().setP1_TVI(QStringLiteral("U"));
        R1().setP1_CCL(1.0);
    }
    Superficie().RecalcularSH();
}

// Presentation --------------------------------------------------------------------------------

void Tipologia1::PresentaDatos()
{
    Tabla().PresentaCajas();                             // the boxes
    Localizacion().Presenta();                           // municipality and street lists
    Tabla().PresentaOpcion(QStringLiteral("optp1tvi"));  // class
    Tabla().PresentaOpcion(QStringLiteral("optp1tsu"));  // surface type
    PresentaSituacion();                                 // situation boxes by the class just shown
    Tabla().PresentaOpcion(QStringLiteral("optp1mon"));  // currency
    Edad().Presenta();                                   // age mode and its box
    FechaV().Presenta();
}

void Tipologia1::PresentaSituacion()
{
    CheckBox* casillas[] = {Chkp1cl1, Chkp1cl2, Chkp1cl3, Chkp1cl4};
    // The class is read from the option just set, not from the record.
    if (OpcionMarcada(QStringLiteral("optp1tvi"), 0)) {
        for (CheckBox* c : casillas)
            c->setEnabled(false);
        for (CheckBox* c : casillas)
            MarcarCasilla(c, 0);
    } else {
        for (CheckBox* c : casillas)
            c->setEnabled(true);
    }
    const CDatosTip1& r = R1();
    MarcarCasilla(Chkp1cl1, r.P1_CL1().isEmpty() ? 0 : 1);
    MarcarCasilla(Chkp1cl2, r.P1_CL2().isEmpty() ? 0 : 1);
    MarcarCasilla(Chkp1cl3, r.P1_CL3().isEmpty() ? 0 : 1);
    MarcarCasilla(Chkp1cl4, r.P1_CL4().isEmpty() ? 0 : 1);
}

// Report ----------------------------------------------------------------------------------------

void Tipologia1::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(QStringLiteral("optp1tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaTVI"), RotuloOpcionElegida(QStringLiteral("optp1tvi")));
    PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({Chkp1cl1, Chkp1cl2, Chkp1cl3, Chkp1cl4}));
}

void Tipologia1::DatosDescripcion() { ImprimirTabla(InformeViviendaEs()); }

void Tipologia1::DatosDescripcionE() { ImprimirTabla(InformeViviendaEu()); }
