#include "typologies/storage_room/InformeTrastero.h"

#include "typologies/shared/InformeViviendaTrastero.h"

using namespace informe;

namespace {

// The page shared with the dwelling, read through the storage-room window's controls, with the
// rows in which the storage-room page differs; E(spanish, basque) gives a value in each language.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    std::vector<ItemInforme> t = PaginaViviendaTrastero(2, eu);
    Fila(t, QStringLiteral("titulo")).texto = E(QStringLiteral("TRASTEROS"), QStringLiteral("TRASTELEKUAK"));
    // "Superficie homogeneizada" sits further left on the Spanish page, "AH:" on the Basque one.
    Fila(t, QStringLiteral("rotulo_sh")).x = E(103, 113);
    Fila(t, QStringLiteral("sh")).x = E(142, 140);
    // The ponencia-year label is followed by "=" without a blank in both languages.
    Fila(t, QString::fromUtf8("año_ponencia")).sufijo = QStringLiteral("=");
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeTrasteroEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeTrasteroEu() { return TablaDeIdioma<Tabla>(true); }
