#include "typologies/commercial_residential/InformeComercialResidencial.h"

#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

// One layout, two languages: E(spanish, basque) picks the position or text of a row. The
// Basque page takes several labels from the window's captions where the Spanish page has
// literals of its own.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(U(eu ? vasco : es)); };
    const FuenteInforme A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"), A8BIU = Arial(8, "BIU"), A9 = Arial(9),
                        A9I = Arial(9, "I"), A9B = Arial(9, "B"), A9U = Arial(9, "U"), A11B = Arial(11, "B");
    const QString dosPuntos = QStringLiteral(":");

    // The letterhead with the frame's stub; only the Spanish department line keeps its
    // trailing blank.
    std::vector<ItemInforme> t = FilasMembrete(Membrete{.tacon = true, .departamentoConBlanco = !eu}, eu);
    // clang-format off
    Anadir(t, {
        Cen(16, 23, 88, 153, A9U, Comprobacion(eu)),
        Cen(17, 23, 93, 153, A11B,
            L("LOCAL COMERCIAL en Edificio Comercial en Zona Residencial",
              "MERKATARITZA LOKALA, Merkataritza Eraikuntzan eta Etxegunea Batean")),
        FilaDecreto(18, 100, eu),
        Regla(106),
        Izq(21, E(72, 77), 108.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(22, 100, 108, A9B, eu ? Fec(U("txtp5fecv")) : Ctl(U("txtp5fecv"))),
        Regla(113),
        Izq(25, 25, 115.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(26, 37, 120, A9, Des(0)),
        Izq(27, 37, 124, A9, Des(1)),
        Izq(28, 37, 128, A9, Des(2)),
        Izq(29, 37, 132, A9, Des(3)),
        Regla(138),
        // Location, subzone, VRC and CC.
        Izq(32, 42, 140, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(33, 27, 146, A8I, Rot(U("Label1"), dosPuntos)),
        Izq(34, 47, 145.5, A9, Ctl(U("cmbp5mun"))),
        Izq(35, 27, 150, A8I, eu ? Rot(U("Label2"), dosPuntos) : Lit(U("Calle, plaza:"))),
        Izq(36, 47, 149.5, A9, Ctl(U("cmbp5cal"))),
        Izq(37, E(113, 118), 150, A8I, eu ? Rot(U("Label3"), dosPuntos) : Lit(U("Nº Portal:"))),
        Izq(38, E(128, 134), 149.5, A9, Ctl(U("txtp5nup"))),
        Izq(39, 27, 155, A8I, Rot(U("Label4"), dosPuntos)),
        Izq(40, 57, 154.5, A9, Ctl(U("txtp5nus"))),
        Izq(41, 27, 160, A8I, L("Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria")),
        Izq(42, E(76, 79), 160, A8B, Rot(U("Label7"), dosPuntos)),
        Caja(44, E(84, 87), 159, E(106, 109), 164, A9B, Ctl(U("txtp5vrc"))),
        Izq(45, E(113, 118), 160, A8I, eu ? Rot(U("Label6")) : Lit(U("Coste de Construcción"))),
        Izq(46, 143, 160, A8B, Rot(U("Label8"), dosPuntos)),
        Caja(48, 149, 159, 169, 164, A9B, Ctl(U("txtp5cco"))),
        Regla(167),
        // Data the formula needs.
        Izq(51, 42, 169, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(52, 27, 174, A8I, Rot(U("Frame2"), E(QString(), dosPuntos))),
        Izq(53, 48, 173.5, A9, Etq(U("sEtiquetaTSU"))),
        Izq(54, 71, 174, A8I, L("Superficie:", "Azalera:")),
        Izq(55, 86, 173.5, A9, Ctl(U("txtp5sbu"))),
        Izq(56, E(107, 113), 174, A8I, Rot(U("Frame4"))),
        Izq(57, 142, 174, A8B, Rot(U("Label9"), dosPuntos)),
        Caja(59, 149, 173, 171, 178, A9B, Ctl(U("txtp5sho"))),
        Izq(60, 27, 179, A8I, Rot(U("Label10"))),
        Izq(61, E(55, 59), 179, A8B, Rot(U("Label11"), dosPuntos)),
        Caja(63, E(62, 66), 178, E(72, 76), 183, A9B, Ctl(U("txtp5ccl"))),
        Izq(64, 87, 179, A8I, L("Datos:", "Datuak:")),
        Izq(65, E(97, 99), 178.5, A9I, Etq(U("sEtiquetaCL"))),
        Izq(66, 27, 184, A8I, Rot(U("Frame6"), dosPuntos)),
        Cen(67, E(45, 48), 183.5, 5, A9, Ctl(U("txtp5ant"))),
        Izq(68, E(55, 57), 184, A8, Rot(U("Label12"))),
        Izq(69, E(97, 94), 184, A8, L("Coeficiente", "Koefizientea")),
        Izq(70, 112, 184, A8B, Rot(U("Label13"), dosPuntos)),
        Caja(72, 121, 183, 136, 188, A9B, Ctl(U("txtp5dep"))),
        Regla(190),
        // Result of the valuation.
        Izq(75, 42, 192, A8BIU, Rot(U("Frame7"), dosPuntos)),
        Izq(76, 27, 198, A8I, Rot(U("Label14"), QStringLiteral(" ="))),
        Izq(77, E(58, 59), 198, A9, Ctl(U("txtp5añop"))),
        Izq(78, E(67, 68), 198, A8, Rot(U("Label15"))),
        Der(79, 172, 198, A9, Ctl(U("txtp5vad"))),
        Izq(80, 27, 204, A8I, Rot(U("Label16"))),
        Caja(82, 112, 203, 127, 208, A9B, Ctl(U("txtp5coa"))),
        Der(83, 172, 203.5, A9, Ctl(U("txtp5vac"))),
        Izq(84, 27, 209, A8I, Rot(U("Label17"))),
        Caja(86, 112, 208, 127, 213, A9B, Ctl(U("txtp5rp"))),
        Der(87, 172, 208.5, A9, Ctl(U("txtp5vco"))),
        Izq(88, 27, 215.5, A9B, Rot(U("Label18"))),
        Izq(89, E(53, 66), 216, A8I, Rot(U("Label19"))),
        Caja(91, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(U("txtp5pti"))),
        CajaGris(93, 145, 215, 174, 220, 172, 215.5, A9B, Ctl(U("txtp5vaf"))),
        Izq(94, E(112, 119), 222, A8, eu ? Rot(U("Label20")) : Lit(U("Valor del suelo"))),
        Der(95, 172, 221.5, A9, Ctl(U("txtp5vsf"))),
        Izq(96, E(112, 119), 227, A8, eu ? Rot(U("Label21")) : Lit(U("Valor de la construcción"))),
        Der(97, 172, 226.5, A9, Ctl(U("txtp5vcf"))),
    });
    // clang-format on
    Anadir(t, FilasPie(eu));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeComercialResidencialEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeComercialResidencialEu() { return TablaDeIdioma<Tabla>(true); }
