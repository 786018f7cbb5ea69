#pragma once
// The report of industrial buildings: the industrial-zone office's page with this window's
// controls, its own title row and department line, the CL row without situation, the age row
// upright and the result labels of this window (Label11 to Label18). Drawn by ImprimirInforme
// with the label "sEtiquetaTSU" the window builds.
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformePabellonIndustrialEs();
const std::vector<ItemInforme>& InformePabellonIndustrialEu();
