#include "typologies/storage_room/InformeTrastero.h"

#include "typologies/dwelling/InformeVivienda.h"

using namespace informe;

namespace {

// The dwelling table read through the storage-room window's controls, with the rows in which
// the storage-room page differs; E(spanish, basque) gives a changed row's value in each language.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    std::vector<ItemInforme> t = eu ? InformeViviendaEu() : InformeViviendaEs();
    RenombrarControles(t, QStringLiteral("p1"), QStringLiteral("p2"));

    ItemInforme& titulo = *ItemNumero(t, 8);
    titulo.x = E(119, 109);
    titulo.texto = E(QStringLiteral("TRASTEROS"), QStringLiteral("TRASTELEKUAK"));
    // "Superficie homogeneizada" sits further left on the Spanish page (the dwelling's 107),
    // "AH:" on the Basque one (the dwelling's 142).
    ItemNumero(t, 40)->x = E(103, 113);
    ItemNumero(t, 41)->x = E(142, 140);
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
