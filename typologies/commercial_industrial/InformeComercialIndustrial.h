#pragma once
// The report of a shop in a commercial building of an industrial zone, one table per language:
// the shared letterhead with the heading centred in two rows, then the industrial report body
// from the decree line down, read from window 6's controls and the labels the window builds
// ("sEtiquetaTSU", "sEtiquetaCL").
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeComercialIndustrialEs();
const std::vector<ItemInforme>& InformeComercialIndustrialEu();
