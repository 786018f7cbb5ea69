#include "typologies/dwelling/InformeVivienda.h"

#include "typologies/shared/InformeViviendaTrastero.h"

using namespace informe;

namespace {

// The page shared with the storage room, with the dwelling's heading.
std::vector<ItemInforme> Tabla(bool eu)
{
    std::vector<ItemInforme> t = PaginaViviendaTrastero(1, eu);
    Fila(t, QStringLiteral("titulo")).texto = eu ? QStringLiteral("ETXEBIZITZAK") : QStringLiteral("VIVIENDAS");
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeViviendaEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeViviendaEu() { return TablaDeIdioma<Tabla>(true); }
