#include "typologies/shared/InformeCuerpoIndustrial.h"

#include "typologies/shared/InformeMembrete.h"

using namespace informe;

std::vector<ItemInforme> CuerpoInformeIndustrial(int tipo, bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(QString::fromUtf8(eu ? vasco : es)); };
    const auto Es = [](const char* es) { return Lit(QString::fromUtf8(es)); };
    // The control of this window: N("txt", "vri") is "txtp8vri" in window 8.
    const QString p = QStringLiteral("p") + QString::number(tipo);
    const auto N = [&p](const char* clase, const char* codigo) {
        return QString::fromUtf8(clase) + p + QString::fromUtf8(codigo);
    };
    const QString dosPuntos = QStringLiteral(":");
    const FuenteInforme A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"), A8BIU = Arial(8, "BIU"), A9 = Arial(9),
                        A9B = Arial(9, "B"), A9I = Arial(9, "I");

    std::vector<ItemInforme> t = {
        FilaDecreto(19, 100, eu),
        Regla(106),
        Izq(22, E(72, 77), 108.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(23, 100, 108, A9B, eu ? Fec(N("txt", "fecv")) : Ctl(N("txt", "fecv"))),
        Regla(113),
        Izq(26, 25, 115.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(27, 37, 120, A9, Des(0)),
        Izq(28, 37, 124, A9, Des(1)),
        Izq(29, 37, 128, A9, Des(2)),
        Izq(30, 37, 132, A9, Des(3)),
        Regla(138),
        // Location.
        Izq(33, 42, 140, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(34, 27, 146, A8I, Rot(QStringLiteral("Label1"), dosPuntos)),
        Izq(35, 47, 145.5, A9, Ctl(N("cmb", "mun"))),
        Izq(36, 27, 151, A8I, Rot(QStringLiteral("Label2"), dosPuntos)),
        Izq(37, 47, 150.5, A9, Ctl(N("cmb", "nui"))),
        Izq(38, 27, 156, A8I, L("Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria")),
        Izq(39, E(76, 79), 156, A8B, Rot(QStringLiteral("Label5"), dosPuntos)),
        Caja(41, E(84, 87), 155, E(106, 109), 160, A9B, Ctl(N("txt", "vri"))),
        Izq(42, E(113, 118), 156, A8I, eu ? Rot(QStringLiteral("Label4")) : Es("Coste de Construcción")),
        Izq(43, 143, 156, A8B, Rot(QStringLiteral("Label6"), dosPuntos)),
        Caja(45, 149, 155, 169, 160, A9B, Ctl(N("txt", "cco"))),
        Regla(163),
        // Data the formula needs.
        Izq(48, 42, 165, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(49, 27, 172, A8I, Rot(QStringLiteral("Frame2"), dosPuntos)),
        Izq(50, 48, 171.5, A9, Etq(QStringLiteral("sEtiquetaTSU"))),
        Izq(51, 71, 172, A8I, L("Superficie:", "Azalera:")),
        Izq(52, 86, 171.5, A9, Ctl(N("txt", "sbu"))),
        Izq(53, E(107, 113), 172, A8I, Rot(QStringLiteral("Frame4"))),
        Izq(54, 142, 172, A8B, Rot(QStringLiteral("Label7"), dosPuntos)),
        Caja(56, 149, 171, 171, 176, A9B, Ctl(N("txt", "sho"))),
        Izq(57, 27, 177, A8I, Rot(QStringLiteral("Label8"))),
        Izq(58, E(55, 59), 177, A8B, Rot(QStringLiteral("Label9"), dosPuntos)),
        Caja(60, E(62, 66), 176, E(72, 76), 181, A9B, Ctl(N("txt", "ccl"))),
        Nombrada("cl_datos", Izq(61, 87, 177, A8I, L("Datos:", "Datuak:"))),
        Nombrada("cl_situacion", Izq(62, E(97, 99), 176.5, A9I, Etq(QStringLiteral("sEtiquetaCL")))),
        Nombrada("rotulo_antiguedad", Izq(63, 27, 183, A8I, Rot(QStringLiteral("Frame6"), dosPuntos))),
        Cen(64, E(45, 48), 182.5, 5, A9, Ctl(N("txt", "ant"))),
        Izq(65, E(55, 57), 183, A8, Rot(QStringLiteral("Label10"))),
        Izq(66, E(97, 94), 183, A8, L("Coeficiente", "Koefizientea")),
        Izq(67, 112, 183, A8B, Rot(QStringLiteral("Label11"), dosPuntos)),
        Caja(69, 121, 182, 136, 187, A9B, Ctl(N("txt", "dep"))),
        Regla(190),
        // Result of the valuation; money ends at x 172, inside the grey box.
        Izq(72, 42, 192, A8BIU, Rot(QStringLiteral("Frame7"), dosPuntos)),
        Izq(73, 27, 198, A8I, Rot(QStringLiteral("Label12"), QStringLiteral(" ="))),
        Izq(74, E(58, 59), 198, A9, Ctl(N("txt", "añop"))),
        Izq(75, E(67, 68), 198, A8, Rot(QStringLiteral("Label13"))),
        Der(76, 172, 198, A9, Ctl(N("txt", "vad"))),
        Izq(77, 27, 204, A8I, Rot(QStringLiteral("Label14"))),
        Caja(79, 112, 203, 127, 208, A9B, Ctl(N("txt", "coa"))),
        Der(80, 172, 203.5, A9, Ctl(N("txt", "vac"))),
        Izq(81, 27, 209, A8I, Rot(QStringLiteral("Label15"))),
        Caja(83, 112, 208, 127, 213, A9B, Ctl(N("txt", "rp"))),
        Der(84, 172, 208.5, A9, Ctl(N("txt", "vco"))),
        Izq(85, 27, 215.5, A9B, Rot(QStringLiteral("Label16"))),
        Izq(86, E(53, 66), 216, A8I, Rot(QStringLiteral("Label17"))),
        Caja(88, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(N("txt", "pti"))),
        CajaGris(90, 145, 215, 174, 220, 172, 215.5, A9B, Ctl(N("txt", "vaf"))),
        Izq(91, E(112, 119), 222, A8, eu ? Rot(QStringLiteral("Label18")) : Es("Valor del suelo")),
        Der(92, 172, 221.5, A9, Ctl(N("txt", "vsf"))),
        Izq(93, E(112, 119), 227, A8, eu ? Rot(QStringLiteral("Label19")) : Es("Valor de la construcción")),
        Der(94, 172, 226.5, A9, Ctl(N("txt", "vcf"))),
    };
    Anadir(t, FilasPie(eu));
    return t;
}
