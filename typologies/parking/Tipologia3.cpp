#include "typologies/parking/Tipologia3.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Option.h"
#include "typologies/parking/InformeGaraje.h"

namespace {

// CG of a garage and of a parking space.
constexpr double kCGGaraje = 1.1;
constexpr double kCGAparcamiento = 1.0;

ParametrosVentana ParametrosGaraje()
{
    ParametrosVentana p;
    p.tipo = 3;
    p.idTitulo = 113;
    p.idSeparadorRango = 112;
    p.idZona9xx = 0;  // zones of 900 and above are valued like any other
    // A Null module counts as no zone row.
    p.importesZona = {{"t07_mp", RecordCode::MAP}};
    p.importeNuloSinFila = true;

    using D = Destino;
    // clang-format off
    p.rotulos = {
        {QString(), 113, D::Ventana},
        {"Frame6", 59, D::Rotulo},
        {"cmdayuda", 63, D::Ayuda},
        {"cmdimprimir", 62, D::Ayuda},
        {"cmdlimpiar", 61, D::Ayuda},
        {"cmdsalir", 60, D::Ayuda},
        {"Frame7", 16, D::Rotulo},
        {"optp3mon(0)", 18, D::Rotulo},
        {"optp3mon(1)", 17, D::Rotulo},
        {"Label12", 114, D::Rotulo},
        {"Label11", 115, D::Rotulo},
        {"Label10", 72, D::Rotulo},
        {"Label13", 71, D::Rotulo},
        {"Label15", 70, D::Rotulo},
        {"Label14", 69, D::Rotulo},
        {"Label22", 116, D::Rotulo},
        {"Label23", 65, D::Rotulo},
        {"Label24", 64, D::Rotulo},
        {"Label25", 64, D::Rotulo},
        {"Frame2", 117, D::Rotulo},
        {"optp3tga(0)", 118, D::Rotulo},
        {"optp3tga(1)", 119, D::Rotulo},
        {"Label7", 86, D::Rotulo},
        {"Label8", 120, D::Rotulo},
        {"Frame4", 80, D::Rotulo},
        {"Frame5", 86, D::Rotulo},
        {"Label9", 121, D::Rotulo},
        {"Frame3", 75, D::Rotulo},
        {"optp3tsu(1)", 77, D::Rotulo},
        {"optp3tsu(0)", 76, D::Rotulo},
        {"Frame1", 122, D::Rotulo},
        {"Label3", 99, D::Rotulo},
        {"Label2", 98, D::Rotulo},
        {"Label4", 97, D::Rotulo},
        {"Label1", 96, D::Rotulo},
        {"Label5", 123, D::Rotulo},
        {"Label6", 124, D::Rotulo},
        {"Label16", 100, D::Rotulo},
    };
    // clang-format on

    using R = Regla;
    p.cajas = {
        {RecordCode::NUP, R::Plana},      {RecordCode::NUR, R::Plana},     {RecordCode::NOR, R::Texto},
        {RecordCode::CCG, R::Plana},      {RecordCode::SBU, R::CeroVacio}, {RecordCode::CCS, R::CeroVacio},
        {RecordCode::MAP, R::Moneda},     {RecordCode::VAD, R::Moneda},    {RecordCode::VAC, R::Moneda},
        {RecordCode::VCO, R::Moneda},     {RecordCode::VAF, R::Moneda},    {RecordCode::PTI, R::Plana},
        {RecordCode::AÑOP, R::CeroVacio}, {RecordCode::COA, R::CeroVacio}, {RecordCode::RP, R::CeroVacio},
    };

    using G = Guardado;
    p.guardan = {
        {RecordCode::AÑOP, G::Entero}, {RecordCode::COA, G::Numero}, {RecordCode::RP, G::Numero},
        {RecordCode::CCG, G::Numero},  {RecordCode::CCS, G::Numero}, {RecordCode::NUR, G::Entero},
        {RecordCode::NOR, G::Texto},
    };

    p.monedas = MonedasConResultados(
        {
            {RecordCode::MAP, "##,###,###", "##,###,##0.00"},
        },
        false);

    p.opciones = {
        {RecordCode::TGA, "G", 0},
        {RecordCode::TSU, "C", 0},
        {RecordCode::MON, "P", 0},
    };
    return p;
}

CDatosTip3& R3() { return gDatosTip3(); }

}  // namespace

Tipologia3::Tipologia3() : VentanaTipologiaBase(QStringLiteral("Tipologia3"), ParametrosGaraje())
{
    Disenar();
    ConectarControles();
    txtp3ccs = Ctl<CajaNum>(QStringLiteral("txtp3ccs"));
    for (int i = 0; i < 2; ++i)
        Conectar(Ctl<OptionButton>(Opcion(QStringLiteral("optp3tga"), i)), &OptionButton::Click,
                 [this, i] { optp3tga_Click(i); });
}

CDatosTip& Tipologia3::Registro() const { return gDatosTip3(); }

// Defaults ------------------------------------------------------------------------------------

void Tipologia3::ModificaDatos()
{
    CDatosTip3& r = R3();
    if (r.P3_SVL() != QLatin1String("V"))
        return;
    r.setP3_SVL(QStringLiteral("L"));
    r.setP3_FECV(gEntrada().P_FECV());
    DefectosPropiedad();
    r.setP3_MON(gEntrada().P_MON());
    int16_t version = 0;
    r.setP3_EJER(ObtenerEjercicio(gEntrada().P_FECV(), version));
    r.setP3_VER(version);
    DefectosEjercicio();
}

void Tipologia3::InicializaFechaV()
{
    R3().setP3_SVL(QStringLiteral("L"));
    DefectosPropiedad();
    DefectosEjercicio();
}

void Tipologia3::DefectosPropiedad()
{
    CDatosTip3& r = R3();
    r.setP3_TGA(QStringLiteral("A"));
    r.setP3_CCG(kCGAparcamiento);
    r.setP3_TSU(QStringLiteral("U"));
    r.setP3_PTI(100);
}

void Tipologia3::DefectosEjercicio()
{
    CDatosTip3& r = R3();
    r.setP3_RP(ObtenerPorcom(r.P3_EJER()) / 100);
    // The boxes a new entry starts from, and no street yet.
    ValoresIniciales();
    Localizacion().VaciarLista();
}

// Valuation -----------------------------------------------------------------------------------

double Tipologia3::CalcularCS(QString& tipoSuperficie) const
{
    return valoracion::SuperficieHomogeneizada(3, R3().P3_SBU(), QString(), tipoSuperficie);
}

void Tipologia3::PonerCS()
{
    QString tipo = R3().P3_TSU();
    const double cs = CalcularCS(tipo);
    EscribirCaja(txtp3ccs, cs == 0 ? QString() : TextoNumero(cs));
}

void Tipologia3::SuperficieAceptada()
{
    PonerCS();
    RefrescoCadena();
}

void Tipologia3::optp3tga_Click(int Index)
{
    if (!OpcionMarcada(QStringLiteral("optp3tga"), Index))
        return;
    CDatosTip3& r = R3();
    if (Index == 0) {
        r.setP3_TGA(QStringLiteral("G"));
        r.setP3_CCG(kCGGaraje);
    } else {
        r.setP3_TGA(QStringLiteral("A"));
        r.setP3_CCG(kCGAparcamiento);
        r.setP3_TSU(QStringLiteral("U"));
        PonerCS();
    }
    RefrescoCadena();
}

// Presentation --------------------------------------------------------------------------------

void Tipologia3::PresentaDatos()
{
    Tabla().PresentaCajas();
    Localizacion().Presenta();
    Tabla().PresentaOpcion(QStringLiteral("optp3tga"));
    PresentaTipoSuperficie();
    Tabla().PresentaOpcion(QStringLiteral("optp3mon"));
    FechaV().Presenta();
}

void Tipologia3::PresentaTipoSuperficie()
{
    // The type is read from the option just set, not from the record.
    const bool aparcamiento = OpcionMarcada(QStringLiteral("optp3tga"), 1);
    for (int i = 0; i < 2; ++i)
        if (auto* o = Ctl<OptionButton>(Opcion(QStringLiteral("optp3tsu"), i)))
            o->setEnabled(!aparcamiento);
    if (aparcamiento)
        MarcarOpcion(QStringLiteral("optp3tsu"), 1);
    else
        Tabla().PresentaOpcion(QStringLiteral("optp3tsu"));
}

// Report ----------------------------------------------------------------------------------------

void Tipologia3::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaSuperficie"), RotuloOpcionElegida(QStringLiteral("optp3tsu")));
    PonerEtiqueta(QStringLiteral("sEtiquetaTipo"), RotuloOpcionElegida(QStringLiteral("optp3tga")));
}

void Tipologia3::DatosDescripcion() { ImprimirTabla(InformeGarajeEs()); }

void Tipologia3::DatosDescripcionE() { ImprimirTabla(InformeGarajeEu()); }
