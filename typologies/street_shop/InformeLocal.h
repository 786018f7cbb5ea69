#pragma once
// The street-front shop report: the layout tables of the Spanish and the Basque page, drawn by
// ImprimirInforme with the shop window's controls and the labels it builds
// ("sEtiquetaSuperficie", "sEtiquetaCL").
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeLocalEs();
const std::vector<ItemInforme>& InformeLocalEu();
