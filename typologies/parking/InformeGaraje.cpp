#include "typologies/parking/InformeGaraje.h"

#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

// One layout, two languages: E(spanish, basque) picks the position or text of a row. Items
// carry the number of their layout row; a box with its value is one item under the number of
// the value.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(U(eu ? vasco : es)); };
    const FuenteInforme A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"), A8BIU = Arial(8, "BIU"), A9 = Arial(9),
                        A9B = Arial(9, "B"), A9U = Arial(9, "U"), A11B = Arial(11, "B");
    const QString dosPuntos = QStringLiteral(":");

    // The letterhead; the Basque transfer tax reads "Ondasun".
    std::vector<ItemInforme> t = FilasMembrete(Membrete{.ondasun = true}, eu);
    // clang-format off
    Anadir(t, {
        Izq(16, E(49, 60), 88, A9U, Comprobacion(eu)),
        Izq(17, E(104, 100), 87.5, A11B, L("GARAJES / APARCAMIENTOS", "GARAJEAK / APARKALEKUAK")),
        FilaDecreto(18, 95, eu),
        Regla(100),
        Izq(21, E(72, 77), 103.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(22, 100, 103, A9B, eu ? Fec(U("txtp3fecv")) : Ctl(U("txtp3fecv"))),
        Regla(109),
        Izq(25, 25, 111.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(26, 37, 116, A9, Des(0)),
        Izq(27, 37, 120, A9, Des(1)),
        Izq(28, 37, 124, A9, Des(2)),
        Izq(29, 37, 128, A9, Des(3)),
        Regla(134),
        // Location and the parking module of the zone; the Basque page prints the window's
        // street and portal captions where the Spanish one has literals.
        Izq(32, 42, 136, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(33, 27, 141, A8I, Rot(U("Label1"), dosPuntos)),
        Izq(34, 47, 140.5, A9, Ctl(U("cmbp3mun"))),
        Izq(35, 27, 145, A8I, eu ? Rot(U("Label2"), dosPuntos) : Lit(U("Calle, plaza:"))),
        Izq(36, 47, 144.5, A9, Ctl(U("cmbp3cal"))),
        Izq(37, 107, 145, A8I, eu ? Rot(U("Label3"), dosPuntos) : Lit(U("Nº Portal:"))),
        Izq(38, 122, 144.5, A9, Ctl(U("txtp3nup"))),
        Izq(39, 27, 149, A8I, Rot(U("Label4"), dosPuntos)),
        Izq(40, 47, 148.5, A9, Ctl(U("txtp3nur"))),
        Izq(41, 55, 148.5, A9, Ctl(U("txtp3nor"))),
        Izq(42, 27, 155, A8I, L("Módulo de Plaza de Aparcamiento", "Plaza Bakoitzeko Modulua")),
        Izq(43, 81, 155, A8B, Rot(U("Label6"), dosPuntos)),
        Caja(45, 89, 154, 111, 159, A9B, Ctl(U("txtp3map"))),
        Regla(161),
        // Data the formula needs.
        Izq(48, 42, 164, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(49, 27, 170, A8I, Rot(U("Frame2"), dosPuntos)),
        Izq(50, 37, 169.5, A9, Etq(U("sEtiquetaTipo"))),
        Izq(51, 87, 170, A8I, Rot(U("Label7"))),
        Izq(52, E(115, 119), 170, A8B, Rot(U("Label8"), dosPuntos)),
        Caja(54, E(125, 127), 169, E(135, 137), 174, A9B, Ctl(U("txtp3ccg"))),
        Izq(55, 27, 176, A8I, Rot(U("Frame3"), dosPuntos)),
        Izq(56, 48, 175.5, A9, Etq(U("sEtiquetaSuperficie"))),
        Izq(57, 87, 176, A8I, L("Superficie:", "Azalera:")),
        Izq(58, 102, 175.5, A9, Ctl(U("txtp3sbu"))),
        Izq(59, 27, E(182, 181), A8I, Rot(U("Frame5"))),
        Izq(60, E(55, 59), E(182, 181), A8B, Rot(U("Label9"), dosPuntos)),
        Caja(62, E(62, 66), E(181, 180), E(82, 86), E(186, 185), A9B, Ctl(U("txtp3ccs"))),
        Regla(190),
        // Result of the valuation.
        Izq(65, 42, 192, A8BIU, Rot(U("Frame6"), dosPuntos)),
        Izq(66, 27, 198, A8I, Rot(U("Label10"), E(QStringLiteral("="), QString()))),
        Izq(67, E(58, 61), 198, A9, Ctl(U("txtp3añop"))),
        Izq(68, E(67, 71), 198, A8, Rot(U("Label11"))),
        Der(69, 170, 198, A9, Ctl(U("txtp3vad"))),
        Izq(70, 27, 204, A8I, Rot(U("Label12"))),
        Caja(72, 112, 203, 127, 208, A9B, Ctl(U("txtp3coa"))),
        Der(73, 170, 203.5, A9, Ctl(U("txtp3vac"))),
        Izq(74, 27, 209, A8I, Rot(U("Label13"))),
        Caja(76, 112, 208, 127, 213, A9B, Ctl(U("txtp3rp"))),
        Der(77, 170, 208.5, A9, Ctl(U("txtp3vco"))),
        Izq(78, 27, 215.5, A9B, Rot(U("Label14"))),
        Izq(79, E(53, 66), 216, A8I, Rot(U("Label15"))),
        Caja(81, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(U("txtp3pti"))),
        CajaGris(83, 143, 215, 172, 220, 170, 215.5, A9B, Ctl(U("txtp3vaf"))),
    });
    // clang-format on
    // The legal lines in bold: the bold of the final value stays on.
    Anadir(t, FilasPie(eu, true));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeGarajeEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeGarajeEu() { return TablaDeIdioma<Tabla>(true); }
