#pragma once
// The report of a shop in a commercial building of an industrial zone, one table per language.
// Its header (frame, letterhead, taxes and the centred title rows) is the report of a shop in a
// commercial building of a residential zone with this typology's heading; from the decree line
// down it is the industrial report body, read from window 6's controls and the labels the
// window builds ("sEtiquetaTSU", "sEtiquetaCL"). Row numbers follow this page's layout.
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeComercialIndustrialEs();
const std::vector<ItemInforme>& InformeComercialIndustrialEu();
