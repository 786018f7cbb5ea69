#pragma once
// The report of an office in a residential zone: a page of its own (frame from y 34, the
// office heading, no class row, its own columns for the portal and the right-aligned values).
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeOficinaResidencialEs();
const std::vector<ItemInforme>& InformeOficinaResidencialEu();
