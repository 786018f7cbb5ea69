#include "typologies/storage_room/InformeTrastero.h"

#include "typologies/dwelling/InformeVivienda.h"

using namespace informe;

namespace {

// The dwelling table read through the storage-room window's controls, with its changes.
std::vector<ItemInforme> Tabla(bool eu)
{
    std::vector<ItemInforme> t = eu ? InformeViviendaEu() : InformeViviendaEs();
    RenombrarControles(t, QStringLiteral("p1"), QStringLiteral("p2"));

    ItemInforme& titulo = *ItemNumero(t, 8);
    titulo.x = eu ? 109 : 119;
    titulo.texto = eu ? QStringLiteral("TRASTELEKUAK") : QStringLiteral("TRASTEROS");

    // "Superficie homogeneizada" sits further left on the Spanish page; "AH:" on the Basque one.
    if (eu)
        ItemNumero(t, 41)->x = 140;
    else
        ItemNumero(t, 40)->x = 103;

    // The ponencia-year label is followed by "=" without a blank in both languages.
    ItemNumero(t, 55)->sufijo = QStringLiteral("=");
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeTrasteroEs()
{
    static const std::vector<ItemInforme> tabla = Tabla(false);
    return tabla;
}

const std::vector<ItemInforme>& InformeTrasteroEu()
{
    static const std::vector<ItemInforme> tabla = Tabla(true);
    return tabla;
}
