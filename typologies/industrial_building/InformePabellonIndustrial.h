#pragma once
// The report of industrial buildings: the shared letterhead and its own title row over the
// industrial body read through this window's controls, with its captions (Frame5, Label8 to
// Label18), the CL row without situation and the age row upright. Drawn by ImprimirInforme
// with the label "sEtiquetaTSU" the window builds.
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformePabellonIndustrialEs();
const std::vector<ItemInforme>& InformePabellonIndustrialEu();
