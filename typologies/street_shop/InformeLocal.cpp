#include "typologies/street_shop/InformeLocal.h"

#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

// One layout, two languages: E(spanish, basque) picks the position or text of a row. The
// Basque page is wider (frame 21-182, rules and bands 22-181, amounts ending at 174) and
// prints the window's captions where the Spanish page has literals. Items carry the number
// of their layout row; a box with its value is one item under the number of the value.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(U(eu ? vasco : es)); };
    const FuenteInforme A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"), A8BIU = Arial(8, "BIU"), A9 = Arial(9),
                        A9B = Arial(9, "B"), A9I = Arial(9, "I"), A9U = Arial(9, "U"), A10B = Arial(10, "B");
    const QString dosPuntos = QStringLiteral(":");
    // Left and right end of the rules, start and width of the centred band, right edge of the
    // amounts.
    const double izq = E(23, 22), der = E(176, 181), banda = der - izq, importes = E(170, 174);

    // The letterhead as wide as the page; the Basque transfer tax reads "Ondasun".
    std::vector<ItemInforme> t = FilasMembrete(Membrete{.izq = izq, .der = der, .ondasun = true}, eu);
    // clang-format off
    Anadir(t, {
        // The heading of the typology, centred.
        Cen(9, izq, 87, banda, A9U, Comprobacion(eu)),
        Cen(10, izq, 92, banda, A10B,
            L("LOCAL COMERCIAL con Acceso Directo a la Vía Pública en Zona Residencial",
              "MERKATARITZA LOKALA, Merkataritza Zuzeneko Irteerarekin eta Etxegune Batean")),
        FilaDecreto(11, 99, eu, izq, der),
        Regla(104, izq, der),
        Izq(13, 72, 106.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(14, 100, 106, A9B, eu ? Fec(U("txtp4fecv")) : Ctl(U("txtp4fecv"))),
        Regla(112, izq, der),
        Izq(16, 25, 114.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(17, 37, 119, A9, Des(0)),
        Izq(18, 37, 123, A9, Des(1)),
        Izq(19, 37, 127, A9, Des(2)),
        Izq(20, 37, 131, A9, Des(3)),
        Regla(137, izq, der),
        // Location, subzone, VRC and CC.
        Izq(22, 42, 139, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(23, 27, 145, A8I, Rot(U("Label1"), dosPuntos)),
        Izq(24, 47, 144.5, A9, Ctl(U("cmbp4mun"))),
        Izq(25, 27, 150, A8I, eu ? Rot(U("Label2"), dosPuntos) : Lit(U("Calle, plaza:"))),
        Izq(26, 47, 149.5, A9, Ctl(U("cmbp4cal"))),
        Izq(27, E(113, 118), 150, A8I, eu ? Rot(U("Label3"), dosPuntos) : Lit(U("Nº Portal:"))),
        Izq(28, E(128, 133), 149.5, A9, Ctl(U("txtp4nup"))),
        Izq(29, 27, 155, A8I, Rot(U("Label4"), dosPuntos)),
        Izq(30, 57, 154.5, A9, Ctl(U("txtp4nus"))),
        Izq(31, 27, 160, A8I, L("Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria")),
        Izq(32, E(76, 79), 160, A8B, Rot(U("Label7"), dosPuntos)),
        Caja(34, E(84, 87), 159, E(106, 109), 164, A9B, Ctl(U("txtp4vrc"))),
        Izq(35, E(113, 118), 160, A8I, eu ? Rot(U("Label6")) : Lit(U("Coste de Construcción"))),
        Izq(36, 143, 160, A8B, Rot(U("Label8"), dosPuntos)),
        Caja(38, 149, 159, 169, 164, A9B, Ctl(U("txtp4cco"))),
        Regla(166, izq, der),
        // Data the formula needs.
        Izq(40, 42, 168, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(41, 27, 174, A8I, Rot(U("Frame2"), dosPuntos)),
        Izq(42, 48, 173.5, A9, Etq(U("sEtiquetaSuperficie"))),
        Izq(43, 71, 174, A8I, L("Superficie:", "Azalera:")),
        Izq(44, 86, 173.5, A9, Ctl(U("txtp4sbu"))),
        Izq(45, E(107, 113), 174, A8I, Rot(U("Frame4"))),
        Izq(46, 142, 174, A8B, Rot(U("Label9"), dosPuntos)),
        Caja(48, 149, 173, 171, 178, A9B, Ctl(U("txtp4sho"))),
        Izq(49, 27, 182, A8I, Rot(U("Label10"))),
        Izq(50, E(55, 59), 182, A8B, Rot(U("Label11"), dosPuntos)),
        Caja(52, E(62, 66), 181, E(72, 76), 186, A9B, Ctl(U("txtp4ccl"))),
        Izq(53, 87, 182, A8I, L("Datos:", "Datuak:")),
        Izq(54, E(97, 99), 181.5, A9I, Etq(U("sEtiquetaCL"))),
        Regla(190, izq, der),
        // Result of the valuation.
        Izq(56, 42, 192, A8BIU, Rot(U("Frame7"), dosPuntos)),
        Izq(57, 27, 198, A8I, Rot(U("Label14"), E(QStringLiteral(" ="), QString()))),
        Izq(58, E(58, 59), 198, A9, Ctl(U("txtp4añop"))),
        Izq(59, E(67, 68), 198, A8, Rot(U("Label15"))),
        Der(60, importes, 198, A9, Ctl(U("txtp4vad"))),
        Izq(61, 27, 204, A8I, Rot(U("Label16"))),
        Caja(63, 112, 203, 127, 208, A9B, Ctl(U("txtp4coa"))),
        Der(64, importes, 203.5, A9, Ctl(U("txtp4vac"))),
        Izq(65, 27, 209, A8I, Rot(U("Label17"))),
        Caja(67, 112, 208, 127, 213, A9B, Ctl(U("txtp4rp"))),
        Der(68, importes, 208.5, A9, Ctl(U("txtp4vco"))),
        Izq(69, 27, 215.5, A9B, Rot(U("Label18"))),
        Izq(70, E(53, 66), 216, A8I, Rot(U("Label19"))),
        Caja(72, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(U("txtp4pti"))),
        CajaGris(74, E(143, 147), 215, E(172, 176), 220, importes, 215.5, A9B, Ctl(U("txtp4vaf"))),
        Izq(75, E(112, 119), 222, A8, eu ? Rot(U("Label20")) : Lit(U("Valor del suelo"))),
        Der(76, importes, 221.5, A9, Ctl(U("txtp4vsf"))),
        Izq(77, E(112, 119), 227, A8, eu ? Rot(U("Label21")) : Lit(U("Valor de la construcción"))),
        Der(78, importes, 226.5, A9, Ctl(U("txtp4vcf"))),
    });
    // clang-format on
    Anadir(t, FilasPie(eu, false, izq, der));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeLocalEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeLocalEu() { return TablaDeIdioma<Tabla>(true); }
