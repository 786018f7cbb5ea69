#pragma once
// The report of a shop in a commercial building of a residential zone, one table per
// language: the page's items in print order, each with the number of its layout row.
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeComercialResidencialEs();
const std::vector<ItemInforme>& InformeComercialResidencialEu();
