#pragma once
// The dwelling report: the page shared with the storage room, Spanish and Basque, drawn by
// ImprimirInforme with the dwelling window's controls and the labels it builds
// ("sEtiquetaTVI", "sEtiquetaTSU", "sEtiquetaCL").
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeViviendaEs();
const std::vector<ItemInforme>& InformeViviendaEu();
