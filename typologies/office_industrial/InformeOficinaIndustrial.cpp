#include "typologies/office_industrial/InformeOficinaIndustrial.h"

#include "typologies/shared/InformeCuerpoIndustrial.h"

using namespace informe;

namespace {

// The header of the page, down to the title row; E(spanish, basque) picks a row's place or
// text. Then the industrial body from the decree line down.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(QString::fromUtf8(eu ? vasco : es)); };
    const auto U = [](const char* texto) { return Lit(QString::fromUtf8(texto)); };
    const FuenteInforme TNR12BI = Times(12, "BI"), A9U = Arial(9, "U"), A10 = Arial(10), A11B = Arial(11, "B");

    std::vector<ItemInforme> t = {
        // Double frame one millimetre apart, logo cell and logo.
        Recuadro(22, 34, 177, 250, 6),
        Recuadro(23, 35, 176, 249, 6),
        Linea(62, 35, 62, 76),
        Linea(62.5, 35, 62.5, 76),
        Logo(32, 38, 18, 22),
        // The authority, the same in both languages.
        Izq(1, 69, 42, TNR12BI, U("Orvellanko Foru Aldundia")),
        Izq(2, 69, 47, TNR12BI, U("Diputación Foral de Orvellan")),
        Izq(3, 69, 59, TNR12BI, U("Fiskalitaterako eta Finantzetarako Departamentua")),
        Izq(4, 69, 64, TNR12BI, U("Departamento para la Fiscalidad y las Finanzas")),
        Regla(76),
        Cen(5, 23, 80, 153, A10,
            L("Impuesto sobre Transmisiones Patrimoniales y Actos Jurídicos Documentados",
              "Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga")),
        Cen(6, 23, 84, 153, A10, L("Impuesto sobre Sucesiones y Donaciones", "Oinordetza eta Dohaintzen gaineko Zerga")),
        Regla(90),
        // The title row: two texts at fixed places, neither centred.
        Izq(7, E(39, 52), 93, A9U, L("COMPROBACIÓN DE VALORES:", "BALIO EGIAZTAPENA:")),
        Izq(8, E(93, 91), 92.5, A11B, L("OFICINA EN ZONA INDUSTRIAL", "BULEGOA, INDUSTRIAGUNE BATEAN")),
    };
    for (ItemInforme& it : CuerpoInformeIndustrial(8, eu))
        t.push_back(std::move(it));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeOficinaIndustrialEs()
{
    static const std::vector<ItemInforme> tabla = Tabla(false);
    return tabla;
}

const std::vector<ItemInforme>& InformeOficinaIndustrialEu()
{
    static const std::vector<ItemInforme> tabla = Tabla(true);
    return tabla;
}
