#include "typologies/commercial_industrial/InformeComercialIndustrial.h"

#include <QHash>
#include <stdexcept>

#include "typologies/commercial_residential/InformeComercialResidencial.h"
#include "typologies/shared/InformeCuerpoIndustrial.h"

using namespace informe;

namespace {

// The decree line of the residential-zone shop's page: its header ends just before it.
constexpr int kDecretoResidencial = 18;

// Rows of that header and their numbers on this page (its rows keep their places; this page
// counts one row more above the letterhead).
const QHash<int, int>& NumerosCabecera()
{
    static const QHash<int, int> numeros = {
        {6, 7}, {7, 8}, {8, 9}, {9, 10}, {12, 13}, {13, 14}, {16, 17}, {17, 18},
    };
    return numeros;
}

constexpr int kDepartamento = 10;  // the Spanish department line, with its trailing blank
constexpr int kTitulo = 18;        // the heading of the typology

std::vector<ItemInforme> Tabla(bool eu)
{
    const std::vector<ItemInforme>& base = eu ? InformeComercialResidencialEu() : InformeComercialResidencialEs();
    std::vector<ItemInforme> t;
    for (const ItemInforme& it : base) {
        if (it.numero == kDecretoResidencial)
            break;
        ItemInforme copia = it;
        if (copia.numero != 0) {
            const auto n = NumerosCabecera().constFind(copia.numero);
            if (n == NumerosCabecera().constEnd())
                throw std::logic_error("report of typology 6: unexpected header row " + std::to_string(copia.numero));
            copia.numero = *n;
        }
        t.push_back(std::move(copia));
    }

    ItemInforme* titulo = ItemNumero(t, kTitulo);
    ItemInforme* departamento = ItemNumero(t, kDepartamento);
    if (!titulo || !departamento)
        throw std::logic_error("report of typology 6: header rows missing");
    titulo->texto = QString::fromUtf8(eu ? "MERKATARITZA LOKALA, Merkataritza Eraikuntzan Industriagune Batean"
                                         : "LOCAL COMERCIAL en Edificio Comercial en Zona Industrial");
    // Both pages print the department line with its trailing blank.
    departamento->texto = QStringLiteral("Departamento para la Fiscalidad y las Finanzas ");

    for (ItemInforme& it : CuerpoInformeIndustrial(6, eu))
        t.push_back(std::move(it));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeComercialIndustrialEs()
{
    static const std::vector<ItemInforme> tabla = Tabla(false);
    return tabla;
}

const std::vector<ItemInforme>& InformeComercialIndustrialEu()
{
    static const std::vector<ItemInforme> tabla = Tabla(true);
    return tabla;
}
