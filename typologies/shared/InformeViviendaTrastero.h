#pragma once
// The page the dwelling (1) and storage-room (2) windows share, one table per language. It
// reads the controls of window `tipo` (txtp<tipo>fecv, cmbp<tipo>mun ...) and the labels the
// window builds ("sEtiquetaTVI", "sEtiquetaTSU", "sEtiquetaCL"). Each window's report puts
// its heading into the row "titulo" and patches by name the rows where its page differs:
//   "titulo"       the typology's name after "COMPROBACIÓN DE VALORES:" (empty here)
//   "rotulo_sh"    Frame5's caption before the SH box
//   "sh"           Label9 ("SH:") before the SH box
//   "año_ponencia" Label14 before the ponencia year, with " =" (Spanish) or "=" (Basque)
#include <vector>

#include "typologies/shared/Informe.h"

std::vector<ItemInforme> PaginaViviendaTrastero(int tipo, bool eu);
