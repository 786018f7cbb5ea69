#pragma once
// The report of offices in an industrial zone: the shared letterhead of a frame from y 34 and
// the title row over the industrial report body, drawn by ImprimirInforme with window 8's
// controls and the labels it builds ("sEtiquetaTSU", "sEtiquetaCL").
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeOficinaIndustrialEs();
const std::vector<ItemInforme>& InformeOficinaIndustrialEu();
