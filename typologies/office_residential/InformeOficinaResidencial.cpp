#include "typologies/office_residential/InformeOficinaResidencial.h"

#include "typologies/shared/InformeMembrete.h"

using namespace informe;

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

// A line that carries its layout row number.
ItemInforme Numerada(int numero, ItemInforme it)
{
    it.numero = numero;
    return it;
}

// One layout, two languages: E(spanish, basque) picks the position or text of a row. Items
// carry the number of their layout row; a box with its value is one item under the number of
// the value.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(U(eu ? vasco : es)); };
    const FuenteInforme A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"), A8BIU = Arial(8, "BIU"), A9 = Arial(9),
                        A9B = Arial(9, "B"), A9I = Arial(9, "I"), A9U = Arial(9, "U"), A11B = Arial(11, "B");
    const QString dosPuntos = QStringLiteral(":");
    // Rows where the Spanish page prints a literal and the Basque one a caption of the window.
    const auto LitORot = [eu](const char* es, const char* control, const QString& sufijo = QString()) {
        return eu ? Rot(U(control), sufijo) : Lit(U(es));
    };

    // The letterhead of a frame from y 34 with its stub, the logo lower too.
    const Membrete membrete{.marco = 34, .dy = 7, .logo = 46, .reglaImpuestos = 90, .tacon = true};
    std::vector<ItemInforme> t = FilasMembrete(membrete, eu);
    // clang-format off
    Anadir(t, {
        Izq(14, E(39, 52), 93, A9U, Comprobacion(eu)),
        Izq(15, E(93, 92), 92.5, A11B, L("OFICINA EN ZONA RESIDENCIAL", "BULEGOA ETXEGUNE BATEAN")),
        FilaDecreto(16, 100, eu),
        Numerada(17, Regla(106)),
        Izq(18, E(72, 77), 108.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(19, 100, 108, A9B, eu ? Fec(U("txtp7fecv")) : Ctl(U("txtp7fecv"))),
        Numerada(20, Regla(113)),
        Izq(21, 25, 115.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(22, 37, 120, A9, Des(0)),
        Izq(23, 37, 124, A9, Des(1)),
        Izq(24, 37, 128, A9, Des(2)),
        Izq(25, 37, 132, A9, Des(3)),
        Numerada(26, Regla(138)),
        // Location, the zone value and the construction cost.
        Izq(27, 42, 140, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(28, 27, 146, A8I, Rot(U("Label1"), dosPuntos)),
        Izq(29, 47, 145.5, A9, Ctl(U("cmbp7mun"))),
        Izq(30, 27, 150, A8I, LitORot("Calle, plaza:", "Label2", dosPuntos)),
        Izq(31, 47, 149.5, A9, Ctl(U("cmbp7cal"))),
        Izq(32, E(113, 118), 150, A8I, LitORot("Nº Portal:", "Label3", dosPuntos)),
        Izq(33, E(128, 134), 149.5, A9, Ctl(U("txtp7nup"))),
        Izq(34, 27, 155, A8I, Rot(U("Label4"), dosPuntos)),
        Izq(35, 47, 154.5, A9, Ctl(U("txtp7nur"))),
        Izq(36, 55, 154.5, A9, Ctl(U("txtp7nor"))),
        Izq(37, 27, 160, A8I, L("Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria")),
        Izq(38, E(76, 79), 160, A8B, Rot(U("Label7"), dosPuntos)),
        Caja(40, E(84, 87), 159, E(106, 109), 164, A9B, Ctl(U("txtp7vrr"))),
        Izq(41, E(113, 118), 160, A8I, LitORot("Coste de Construcción", "Label6")),
        Izq(42, 143, 160, A8B, Rot(U("Label8"), dosPuntos)),
        Caja(44, 149, 159, 169, 164, A9B, Ctl(U("txtp7cco"))),
        Numerada(45, Regla(167)),
        // Data the formula needs.
        Izq(46, 42, 169, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(47, 27, 174, A8I, Rot(U("Frame2"), E(QString(), dosPuntos))),
        Izq(48, 48, 173.5, A9, Etq(U("sEtiquetaSuperficie"))),
        Izq(49, 71, 174, A8I, L("Superficie:", "Azalera:")),
        Izq(50, 86, 173.5, A9, Ctl(U("txtp7sbu"))),
        Izq(51, E(107, 113), 174, A8I, Rot(U("Frame4"))),
        Izq(52, 142, 174, A8B, Rot(U("Label9"), dosPuntos)),
        Caja(54, 149, 173, 171, 178, A9B, Ctl(U("txtp7sho"))),
        Izq(55, 27, 179, A8I, Rot(U("Label10"))),
        Izq(56, E(55, 59), 179, A8B, Rot(U("Label11"), dosPuntos)),
        Caja(58, E(62, 66), 178, E(72, 76), 183, A9B, Ctl(U("txtp7ccl"))),
        Izq(59, 87, 179, A8I, L("Datos:", "Datuak:")),
        Izq(60, E(97, 99), 178.5, A9I, Etq(U("sEtiquetaCL"))),
        Izq(61, 27, 184, A8I, Rot(U("Frame6"), dosPuntos)),
        Cen(62, E(45, 48), 183.5, 5, A9, Ctl(U("txtp7ant"))),
        Izq(63, E(55, 57), 184, A8, Rot(U("Label12"))),
        Izq(64, E(97, 94), 184, A8, L("Coeficiente", "Koefizientea")),
        Izq(65, 112, 184, A8B, Rot(U("Label13"), dosPuntos)),
        Caja(67, 121, 183, 136, 188, A9B, Ctl(U("txtp7dep"))),
        Numerada(68, Regla(190)),
        // Result of the valuation.
        Izq(69, 42, 192, A8BIU, Rot(U("Frame7"), dosPuntos)),
        Izq(70, 27, 198, A8I, Rot(U("Label14"), QStringLiteral(" ="))),
        Izq(71, E(58, 59), 198, A9, Ctl(U("txtp7añop"))),
        Izq(72, E(67, 68), 198, A8, Rot(U("Label15"))),
        Der(73, 172, 198, A9, Ctl(U("txtp7vad"))),
        Izq(74, 27, 204, A8I, Rot(U("Label16"))),
        Caja(76, 112, 203, 127, 208, A9B, Ctl(U("txtp7coa"))),
        Der(77, 172, 203.5, A9, Ctl(U("txtp7vac"))),
        Izq(78, 27, 209, A8I, Rot(U("Label17"))),
        Caja(80, 112, 208, 127, 213, A9B, Ctl(U("txtp7rp"))),
        Der(81, 172, 208.5, A9, Ctl(U("txtp7vco"))),
        Izq(82, 27, 215.5, A9B, Rot(U("Label18"))),
        Izq(83, E(53, 66), 216, A8I, Rot(U("Label19"))),
        Caja(85, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(U("txtp7pti"))),
        CajaGris(87, 145, 215, 174, 220, 172, 215.5, A9B, Ctl(U("txtp7vaf"))),
        Izq(88, E(112, 119), 222, A8, LitORot("Valor del suelo", "Label20")),
        Der(89, 172, 221.5, A9, Ctl(U("txtp7vsf"))),
        Izq(90, E(112, 119), 227, A8, LitORot("Valor de la construcción", "Label21")),
        Der(91, 172, 226.5, A9, Ctl(U("txtp7vcf"))),
    });
    // clang-format on
    Anadir(t, FilasPie(eu));
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeOficinaResidencialEs() { return TablaDeIdioma<Tabla>(false); }

const std::vector<ItemInforme>& InformeOficinaResidencialEu() { return TablaDeIdioma<Tabla>(true); }
