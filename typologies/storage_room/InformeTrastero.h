#pragma once
// The storage-room report: the page shared with the dwelling, with the storage-room window's
// controls, its own heading and the few positions and suffixes in which the two pages differ.
#include <vector>

#include "typologies/shared/Informe.h"

const std::vector<ItemInforme>& InformeTrasteroEs();
const std::vector<ItemInforme>& InformeTrasteroEu();
