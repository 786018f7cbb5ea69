#pragma once
// The garage and parking report: the layout tables of the Spanish and the Basque page, drawn
// by ImprimirInforme with the garage window's controls and the labels it builds
// ("sEtiquetaTipo", "sEtiquetaSuperficie").
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeGarajeEs();
const std::vector<ItemInforme>& InformeGarajeEu();
