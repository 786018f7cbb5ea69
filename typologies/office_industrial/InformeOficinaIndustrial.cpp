#include "typologies/office_industrial/InformeOficinaIndustrial.h"

#include "typologies/shared/InformeCuerpoIndustrial.h"
#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

// The letterhead of a frame from y 34 (the logo at its usual place, the department line without
// its trailing blank) and the title row; E(spanish, basque) picks a row's place or text. Then
// the industrial body from the decree line down.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const Membrete membrete{.marco = 34, .dy = 7, .reglaImpuestos = 90, .departamentoConBlanco = false};
    std::vector<ItemInforme> t = FilasMembrete(membrete, eu);
    // clang-format off
    Anadir(t, {
        // The title row: two texts at fixed places, neither centred.
        Izq(7, E(39, 52), 93, Arial(9, "U"), Comprobacion(eu)),
        Izq(8, E(93, 91), 92.5, Arial(11, "B"),
            Lit(QString::fromUtf8(eu ? "BULEGOA, INDUSTRIAGUNE BATEAN" : "OFICINA EN ZONA INDUSTRIAL"))),
    });
    // clang-format on
    Anadir(t, CuerpoInformeIndustrial(8, eu));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeOficinaIndustrialEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeOficinaIndustrialEu() { return TablaDeIdioma<Tabla>(true); }
