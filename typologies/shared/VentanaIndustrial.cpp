#include "typologies/shared/VentanaIndustrial.h"

#include <stdexcept>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "platform/Option.h"

VentanaIndustrial::VentanaIndustrial(const QString& nombre, ParametrosVentana parametros, DatosIndustriales datos)
    : VentanaTipologiaBase(nombre, std::move(parametros)), datos_(datos)
{
}

// Defaults ---------------------------------------------------------------------------------------

void VentanaIndustrial::ModificaDatos()
{
    CDatosTip& r = Registro();
    if (r.Get(RecordCode::SVL).toString() != QLatin1String("V"))
        return;
    r.Set(RecordCode::SVL, QStringLiteral("L"));
    r.Set(RecordCode::FECV, gEntrada().P_FECV());
    r.Set(RecordCode::MON, gEntrada().P_MON());
    int16_t version = 0;  // the record keeps no version
    const int16_t ejercicio = ObtenerEjercicio(gEntrada().P_FECV(), version);
    r.Set(RecordCode::EJER, ejercicio);
    // The calendar year of the settings' date is the valuation year whenever the valuation
    // periods are calendar years.
    Defectos(datos_.porcentajeNuevo == AnoPorcentaje::Ejercicio ? ejercicio
                                                                : static_cast<int16_t>(gEntrada().P_FECV() / 10000));
}

void VentanaIndustrial::InicializaFechaV()
{
    CDatosTip& r = Registro();
    r.Set(RecordCode::SVL, QStringLiteral("L"));
    Defectos(static_cast<int16_t>(r.Get(RecordCode::EJER).toInt()));
}

void VentanaIndustrial::Defectos(int16_t anoPorcentaje)
{
    CDatosTip& r = Registro();
    r.Set(RecordCode::TSU, QStringLiteral("U"));
    r.Set(RecordCode::ANTTIPO, QStringLiteral("A"));
    r.Set(RecordCode::CCL, 1.0);
    r.Set(RecordCode::PTI, 100);
    // Stored as the record stores it (record 9 keeps the quotient: 112,5 % gives 1,125).
    r.Set(RecordCode::RP, ObtenerPorcom(anoPorcentaje) / 100);
    PonerCosteFijo();
    ValoresIniciales();
    Localizacion().VaciarLista();
}

// Situation box ----------------------------------------------------------------------------------

void VentanaIndustrial::ConectarSituacion()
{
    if (!datos_.clSituacion)
        return;
    const QString nombre = Nombre("Chk", "cl1");
    chkcl1_ = Ctl<CheckBox>(nombre);
    if (!chkcl1_)
        throw std::logic_error((objectName() + QStringLiteral(": its data give the situation box ") + nombre +
                                QStringLiteral(", which the window has not"))
                                   .toStdString());
    Conectar(chkcl1_, &CheckBox::Click,
             [this] { Situacion_Click(chkcl1_, RecordCode::CL1, {}, [this] { return CalcularCL(); }); });
}

double VentanaIndustrial::CalcularCL() const { return chkcl1_->Value() != 0 ? *datos_.clSituacion : 1.0; }

void VentanaIndustrial::PresentaSituacion()
{
    if (chkcl1_)
        MarcarCasilla(chkcl1_, Registro().Get(RecordCode::CL1).toString().isEmpty() ? 0 : 1);
}

// Report -----------------------------------------------------------------------------------------

void VentanaIndustrial::ObtenerEtiquetas()
{
    PonerEtiqueta(QStringLiteral("sEtiquetaTSU"), RotuloOpcionElegida(Nombre("opt", "tsu")));
    if (chkcl1_)
        PonerEtiqueta(QStringLiteral("sEtiquetaCL"), EtiquetaSituacion({chkcl1_}));
}
