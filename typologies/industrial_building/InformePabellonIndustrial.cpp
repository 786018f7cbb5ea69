#include "typologies/industrial_building/InformePabellonIndustrial.h"

#include "typologies/shared/InformeCuerpoIndustrial.h"
#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

// This window's captions where the industrial body reads another's: its CL row is captioned by
// Frame5 and Label8, and from the age row down its labels are numbered one lower.
const QHash<QString, QString>& Rotulos()
{
    static const QHash<QString, QString> mapa = {
        {QStringLiteral("Label8"), QStringLiteral("Frame5")},   {QStringLiteral("Label9"), QStringLiteral("Label8")},
        {QStringLiteral("Label10"), QStringLiteral("Label9")},  {QStringLiteral("Label11"), QStringLiteral("Label10")},
        {QStringLiteral("Label12"), QStringLiteral("Label11")}, {QStringLiteral("Label13"), QStringLiteral("Label12")},
        {QStringLiteral("Label14"), QStringLiteral("Label13")}, {QStringLiteral("Label15"), QStringLiteral("Label14")},
        {QStringLiteral("Label16"), QStringLiteral("Label15")}, {QStringLiteral("Label17"), QStringLiteral("Label16")},
        {QStringLiteral("Label18"), QStringLiteral("Label17")}, {QStringLiteral("Label19"), QStringLiteral("Label18")},
    };
    return mapa;
}

// The letterhead of a frame from y 34 like the industrial-zone office's, with the department
// line's trailing blank, and this window's title row; E(spanish, basque) picks a row's place or
// text. Then the industrial body with this window's captions, the CL row without situation and
// the age row upright.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    std::vector<ItemInforme> t = FilasMembrete(Membrete{.marco = 34, .dy = 7, .reglaImpuestos = 90}, eu);
    // clang-format off
    Anadir(t, {
        Izq(7, E(44, 55), 93, Arial(9, "U"), Comprobacion(eu)),
        Izq(8, E(98, 94), 92.5, Arial(11, "B"),
            Lit(QString::fromUtf8(eu ? "INDUSTRIA PABILIOIA" : "PABELLÓN INDUSTRIAL"))),
    });
    // clang-format on

    std::vector<ItemInforme> cuerpo = CuerpoInformeIndustrial(9, eu);
    RenombrarControles(cuerpo, Rotulos());
    QuitarFilas(cuerpo, {QStringLiteral("cl_datos"), QStringLiteral("cl_situacion")});
    Fila(cuerpo, QStringLiteral("rotulo_antiguedad")).fuente = Arial(8);
    Anadir(t, std::move(cuerpo));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformePabellonIndustrialEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformePabellonIndustrialEu() { return TablaDeIdioma<Tabla>(true); }
