#pragma once
// A typology window as data: its number and messages, the captions it sets, the boxes it
// redraws and in which way, the boxes that store their text back into the record, the money
// patterns, the option pairs shown from record codes and the way it locates the property.
// The boxes and option pairs are named by the record code they show: code VRR in window 1 is
// the box "txtp1vrr", code TVI the option pair "optp1tvi".
#include <QString>
#include <vector>

#include "core/Registros.h"

// How PresentaDatos writes a record value into its box.
enum class Regla {
    Plana,      // the value with the box's pattern
    CeroVacio,  // empty for exactly 0, else the value with the box's pattern
    Moneda,     // empty for exactly 0; pesetas as they are, any other currency divided by 100
    Texto,      // a plain text box: the stored text
};

// One box of PresentaDatos, in the order the window redraws them.
// The boxes and option pairs of these tables are named by the record code they show:
// code "VRR" in window 1 is the box "txtp1vrr", code "TVI" the option pair "optp1tvi".

struct CajaDeRegistro {
    RecordCode codigo;
    Regla regla;
};

// How a display box stores its text back into the record when it changes.
enum class Guardado {
    Entero,           // whole number; an empty text stores 0
    Numero,           // number; an empty text stores 0
    NumeroSiNoVacio,  // number; an empty text leaves the record as it is
    Texto,            // the text itself
};

struct CajaQueGuarda {
    RecordCode codigo;
    Guardado como;
};

// Money box and its two patterns (FormatosMoneda sets them in this order).
struct CajaDeMoneda {
    RecordCode codigo;
    QString pesetas;
    QString euros;
};

// The window's own money boxes followed by the results VAD, VAC, VCO, VAF and, with `conSuelo`,
// the land and construction parts VSF, VCF: whole pesetas, or euros with cents.
inline std::vector<CajaDeMoneda> MonedasConResultados(std::vector<CajaDeMoneda> propias, bool conSuelo = true)
{
    const QString pesetas = QStringLiteral("##,###,###,###");
    const QString euros = QStringLiteral("##,###,###,##0.00");
    for (RecordCode c : {RecordCode::VAD, RecordCode::VAC, RecordCode::VCO, RecordCode::VAF})
        propias.push_back({c, pesetas, euros});
    if (conSuelo)
        for (RecordCode c : {RecordCode::VSF, RecordCode::VCF})
            propias.push_back({c, pesetas, euros});
    return propias;
}

// The boxes of the residential windows (dwelling, storage room, office in a residential
// building), in their redraw order.
inline std::vector<CajaDeRegistro> CajasResidenciales()
{
    using C = RecordCode;
    using R = Regla;
    return {
        {C::NUP, R::Plana},     {C::NUR, R::Plana},      {C::NOR, R::Texto},     {C::ANT, R::Plana},
        {C::DEP, R::CeroVacio}, {C::SBU, R::CeroVacio},  {C::SHO, R::CeroVacio}, {C::CCL, R::CeroVacio},
        {C::VRR, R::Moneda},    {C::CCO, R::Moneda},     {C::VAD, R::Moneda},    {C::VAC, R::Moneda},
        {C::VCO, R::Moneda},    {C::VAF, R::Moneda},     {C::VSF, R::Moneda},    {C::VCF, R::Moneda},
        {C::PTI, R::Plana},     {C::AÑOP, R::CeroVacio}, {C::COA, R::CeroVacio}, {C::RP, R::CeroVacio},
    };
}

// Their display boxes that store their text; (1 - D) is stored as `dep` says.
inline std::vector<CajaQueGuarda> GuardanResidenciales(Guardado dep)
{
    using C = RecordCode;
    using G = Guardado;
    return {
        {C::NUR, G::Entero}, {C::NOR, G::Texto},   {C::CCL, G::Numero}, {C::SHO, G::Numero}, {C::ANT, G::Entero},
        {C::DEP, dep},       {C::AÑOP, G::Entero}, {C::COA, G::Numero}, {C::RP, G::Numero},
    };
}

// The boxes of the industrial-zone windows (shop in a commercial building, office, industrial
// building), in their redraw order.
inline std::vector<CajaDeRegistro> CajasIndustriales()
{
    using C = RecordCode;
    using R = Regla;
    return {
        {C::ANT, R::Plana},     {C::DEP, R::CeroVacio}, {C::SBU, R::CeroVacio},  {C::SHO, R::CeroVacio},
        {C::CCL, R::CeroVacio}, {C::VRI, R::Moneda},    {C::CCO, R::Moneda},     {C::VAD, R::Moneda},
        {C::VAC, R::Moneda},    {C::VCO, R::Moneda},    {C::VAF, R::Moneda},     {C::VSF, R::Moneda},
        {C::VCF, R::Moneda},    {C::PTI, R::Plana},     {C::AÑOP, R::CeroVacio}, {C::COA, R::CeroVacio},
        {C::RP, R::CeroVacio},
    };
}

// Their display boxes that store their text. Neither CL nor RP is among them: a window whose
// situation box gives CL adds the CL box.
inline std::vector<CajaQueGuarda> GuardanIndustriales()
{
    using C = RecordCode;
    using G = Guardado;
    return {
        {C::ANT, G::Entero}, {C::AÑOP, G::Entero}, {C::COA, G::Numero}, {C::DEP, G::Numero}, {C::SHO, G::Numero},
    };
}

// Where Anadir_captions puts a text of the resource table.
enum class Destino { Ventana, Rotulo, Ayuda, RotuloYAyuda };

struct Rotulacion {
    QString control;  // ignored for Destino::Ventana
    int id;           // Spanish id; gIdioma is added
    Destino destino;
};

// An option pair that shows a record code: entry `entradaSiIgual` is selected when the code
// equals `valor`, the other entry for any other code. Used by PresentaDatos.
struct OpcionDeRegistro {
    RecordCode codigo;  // "TVI": the entries are "optp1tvi(0)" and "optp1tvi(1)"
    QString valor;
    int entradaSiIgual;
};

// How a window locates the property (see Localizacion.h).
enum class TipoLocalizacion {
    CalleZonaResidencial,     // municipality, street and portal; the residential zone of the stretch
    CalleSubzonaComercial,    // municipality, street and portal; the commercial subzone of the stretch
    MunicipioZonaIndustrial,  // municipality, ponencia year and industrial zone
};

// How the two age boxes (years, construction date) follow the age mode: the box of the mode is
// shown, enabled and a tab stop; the other is hidden (the two share one place), or disabled
// (the two side by side).
enum class CajasEdad {
    OcultarLaOtra,
    DeshabilitarLaOtra,
};

// When leaving the valuation date box checks nothing, so that the button about to be clicked
// closes or clears without a date message.
enum class FechaSinComprobar {
    // From the mouse press on "Limpiar" or "Salir" to the click; a press released outside the
    // button checks the date then.
    PulsandoLimpiarOSalir,
    // While the pointer is over "Salir"; the pointer leaving it checks a date left unchecked.
    PunteroSobreSalir,
};

// What leaving the surface or percentage box does with a number equal to the stored one.
enum class ValorIgual {
    NadaSiMismoTexto,  // nothing when the text is the stored number as plain text ("100" over 100)
    NadaSiMismoValor,  // nothing when the number is the stored one ("100,0" over 100 too)
    SeToma,            // taken, recomputed and redrawn like any other ("100" shows "100,00")
};

// An amount of the residential zone row and the record code it is stored in.
struct ImporteDeZona {
    QString campo;      // "t07_vrr"
    RecordCode codigo;  // VRR
};

// What one typology window is, as data.
struct ParametrosVentana {
    int tipo = 0;                      // 1..9: record, control prefix "p<tipo>", help topic
    int idTitulo = 0;                  // caption of the window (title of the no-printer message)
    int idSeparadorRango = 112;        // separator of the valuation-date range message
    bool dosPuntosTrasFechaR = false;  // message 109 followed by ":" before the date
    int idZona9xx = 0;                 // message refusing zones of 900 and above; 0: they are valued
    bool moverAlCargar = true;         // the window moves to the top left corner when it loads
    bool descripcionPasaFoco = true;   // the summary box txtdescrip passes the focus on when entered
    TipoLocalizacion localizacion = TipoLocalizacion::CalleZonaResidencial;
    CajasEdad cajasEdad = CajasEdad::OcultarLaOtra;
    FechaSinComprobar fechaSinComprobar = FechaSinComprobar::PulsandoLimpiarOSalir;
    ValorIgual valorIgual = ValorIgual::NadaSiMismoTexto;
    // Street windows on the residential zone: the amounts of the zone row read into the record
    // (field of t07_residencial, record code), and whether a Null amount counts as no row.
    std::vector<ImporteDeZona> importesZona;
    bool importeNuloSinFila = false;
    std::vector<Rotulacion> rotulos;         // Anadir_captions, in order
    std::vector<CajaDeRegistro> cajas;       // PresentaDatos boxes, in order
    std::vector<CajaQueGuarda> guardan;      // display boxes that store their text
    std::vector<CajaDeMoneda> monedas;       // FormatosMoneda, in order
    std::vector<OpcionDeRegistro> opciones;  // option pairs shown from codes (not the age mode)
};
