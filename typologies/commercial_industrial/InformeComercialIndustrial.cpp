#include "typologies/commercial_industrial/InformeComercialIndustrial.h"

#include "typologies/shared/InformeCuerpoIndustrial.h"
#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

// The header, like the residential-zone shop's page (frame with its stub, the heading centred
// in two rows) but with the department line's trailing blank in both languages; then the
// industrial body from the decree line down.
std::vector<ItemInforme> Tabla(bool eu)
{
    std::vector<ItemInforme> t = FilasMembrete(Membrete{.tacon = true}, eu);
    // clang-format off
    Anadir(t, {
        Cen(17, 23, 88, 153, Arial(9, "U"), Comprobacion(eu)),
        Cen(18, 23, 93, 153, Arial(11, "B"),
            Lit(QString::fromUtf8(eu ? "MERKATARITZA LOKALA, Merkataritza Eraikuntzan Industriagune Batean"
                                     : "LOCAL COMERCIAL en Edificio Comercial en Zona Industrial"))),
    });
    // clang-format on
    Anadir(t, CuerpoInformeIndustrial(6, eu));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeComercialIndustrialEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeComercialIndustrialEu() { return TablaDeIdioma<Tabla>(true); }
