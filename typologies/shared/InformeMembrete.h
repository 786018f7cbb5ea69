#pragma once
// The rows every report shares, built once: the double frame with the authority's letterhead
// and the names of the two taxes, the heading's first words, the decree line under the heading,
// and the legal lines at the foot of the page. A page that stands lower, is wider or words a
// row differently says so through the parameters, in its own report file.
#include <vector>

#include "typologies/shared/Informe.h"

struct Membrete {
    double marco = 26;           // top of the outer frame; the inner one and the logo cell 1 mm below
    double dy = 0;               // letterhead and taxes this much lower than on a frame at 26
    double logo = 38;            // top of the logo
    double reglaImpuestos = 84;  // the rule under the taxes
    double izq = 23, der = 176;  // inner frame sides: rules and centred bands run between them
    bool tacon = false;          // a short thick stroke at the frame's top left corner
    // The Spanish department line keeps its trailing blank (as the letterhead was typed).
    bool departamentoConBlanco = true;
    // Basque name of the transfer tax starting "Ondasun" instead of "Ondare".
    bool ondasun = false;
};

namespace informe {

// Frame, logo cell, logo, the four authority lines ("departamento" the last), the rule under
// them, the two taxes and the rule under those.
std::vector<ItemInforme> FilasMembrete(const Membrete& m, bool eu);

// "COMPROBACIÓN DE VALORES:" / "BALIO EGIAZTAPENA:", the words the heading starts with.
TextoInforme Comprobacion(bool eu);
// The decree line centred in the band izq .. der at `y`.
ItemInforme FilaDecreto(int numero, double y, bool eu, double izq = 23, double der = 176);

// The rule at y 232 and the three legal lines under it, in Arial 8 (bold where `negrita`).
std::vector<ItemInforme> FilasPie(bool eu, bool negrita = false, double izq = 23, double der = 176);

// The rows appended to a table.
void Anadir(std::vector<ItemInforme>& tabla, std::vector<ItemInforme> filas);

}  // namespace informe
