#include "typologies/industrial_building/InformePabellonIndustrial.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "typologies/office_industrial/InformeOficinaIndustrial.h"

using namespace informe;

namespace {

// The row of that number; a page without it is a broken derivation, found on the first print.
ItemInforme& Fila(std::vector<ItemInforme>& t, int numero)
{
    ItemInforme* it = ItemNumero(t, numero);
    if (!it)
        throw std::logic_error("industrial building report: the office page has no row " + std::to_string(numero));
    return *it;
}

// A row's caption source: the label or frame `control`, with `sufijo` after it.
void Rotulo(std::vector<ItemInforme>& t, int numero, const char* control, const QString& sufijo = QString())
{
    ItemInforme& it = Fila(t, numero);
    it.origen = OrigenTexto::Rotulo;
    it.texto = QString::fromLatin1(control);
    it.sufijo = sufijo;
}

void Texto(std::vector<ItemInforme>& t, int numero, const char* texto)
{
    ItemInforme& it = Fila(t, numero);
    it.origen = OrigenTexto::Literal;
    it.texto = QString::fromUtf8(texto);
}

// The industrial-zone office's page, patched row by row (row numbers of InformeCuerpoIndustrial.h
// and of the office's header).
std::vector<ItemInforme> Tabla(const std::vector<ItemInforme>& oficina, bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const QString dosPuntos = QStringLiteral(":");
    std::vector<ItemInforme> t = oficina;
    RenombrarControles(t, QStringLiteral("p8"), QStringLiteral("p9"));

    // Header: the department line ends with a blank; the title row stands elsewhere.
    Texto(t, 4, "Departamento para la Fiscalidad y las Finanzas ");
    Fila(t, 7).x = E(44, 55);
    Fila(t, 8).x = E(98, 94);
    Texto(t, 8, eu ? "INDUSTRIA PABILIOIA" : "PABELLÓN INDUSTRIAL");

    // CL row: Frame5's caption, Label8 and the box; no situation.
    Rotulo(t, 57, "Frame5");
    Rotulo(t, 58, "Label8", dosPuntos);
    std::erase_if(t, [](const ItemInforme& it) { return it.numero == 61 || it.numero == 62; });

    // Age row upright: Frame6, the age, Label9, "Coeficiente", Label10 bold.
    Fila(t, 63).fuente = Arial(8);
    Rotulo(t, 65, "Label9");
    Rotulo(t, 67, "Label10", dosPuntos);

    // Result labels: this window's are numbered one lower (renamed one by one, not by pattern,
    // so that Label10 is not taken for Label1 and a row renamed is not renamed again).
    Rotulo(t, 73, "Label11", QStringLiteral(" ="));
    Rotulo(t, 75, "Label12");
    Rotulo(t, 77, "Label13");
    Rotulo(t, 81, "Label14");
    Rotulo(t, 85, "Label15");
    Rotulo(t, 86, "Label16");
    if (eu) {
        Rotulo(t, 91, "Label17");
        Rotulo(t, 93, "Label18");
    }
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformePabellonIndustrialEs()
{
    static const std::vector<ItemInforme> tabla = Tabla(InformeOficinaIndustrialEs(), false);
    return tabla;
}

const std::vector<ItemInforme>& InformePabellonIndustrialEu()
{
    static const std::vector<ItemInforme> tabla = Tabla(InformeOficinaIndustrialEu(), true);
    return tabla;
}
