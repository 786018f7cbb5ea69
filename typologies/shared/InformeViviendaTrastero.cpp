#include "typologies/shared/InformeViviendaTrastero.h"

#include "typologies/shared/InformeMembrete.h"

using namespace informe;

std::vector<ItemInforme> PaginaViviendaTrastero(int tipo, bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) { return Lit(QString::fromUtf8(eu ? vasco : es)); };
    const auto Es = [](const char* es) { return Lit(QString::fromUtf8(es)); };
    // The control of this window: N("txt", "vrr") is "txtp2vrr" in window 2.
    const QString p = QStringLiteral("p") + QString::number(tipo);
    const auto N = [&p](const char* clase, const char* codigo) {
        return QString::fromUtf8(clase) + p + QString::fromUtf8(codigo);
    };
    const QString dosPuntos = QStringLiteral(":");
    const FuenteInforme A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"), A8BIU = Arial(8, "BIU"), A9 = Arial(9),
                        A9B = Arial(9, "B"), A9I = Arial(9, "I"), A9U = Arial(9, "U"), A11B = Arial(11, "B");

    std::vector<ItemInforme> t = FilasMembrete(Membrete{}, eu);
    // clang-format off
    Anadir(t, {
        Izq(7, E(64, 69), 88, A9U, Comprobacion(eu)),
        Nombrada("titulo", Izq(8, E(119, 109), 87.5, A11B, Lit(QString()))),
        FilaDecreto(9, 95, eu),
        Regla(100),
        Izq(10, E(72, 77), 103.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(11, 100, 103, A9B, eu ? Fec(N("txt", "fecv")) : Ctl(N("txt", "fecv"))),
        Regla(109),
        Izq(12, 25, 111.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(13, 37, 116, A9, Des(0)),
        Izq(14, 37, 120, A9, Des(1)),
        Izq(15, 37, 124, A9, Des(2)),
        Izq(16, 37, 128, A9, Des(3)),
        Regla(134),
        // Location.
        Izq(17, 42, 136, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(18, 27, 141, A8I, Rot(QStringLiteral("Label1"), dosPuntos)),
        Izq(19, 47, 140.5, A9, Ctl(N("cmb", "mun"))),
        Izq(20, 27, 145, A8I, eu ? Rot(QStringLiteral("Label2"), dosPuntos) : Es("Calle, plaza:")),
        Izq(21, 47, 144.5, A9, Ctl(N("cmb", "cal"))),
        Izq(22, E(113, 118), 145, A8I, eu ? Rot(QStringLiteral("Label3"), dosPuntos) : Es("Nº Portal:")),
        Izq(23, E(128, 133), 144.5, A9, Ctl(N("txt", "nup"))),
        Izq(24, 27, 149, A8I, Rot(QStringLiteral("Label4"), dosPuntos)),
        Izq(25, 47, 148.5, A9, Ctl(N("txt", "nur"))),
        Izq(26, 55, 148.5, A9, Ctl(N("txt", "nor"))),
        Izq(27, 27, 155, A8I, L("Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria")),
        Izq(28, E(76, 79), 155, A8B, Rot(QStringLiteral("Label7"), dosPuntos)),
        Caja(29, E(84, 87), 154, E(106, 109), 159, A9B, Ctl(N("txt", "vrr"))),
        Izq(30, E(113, 118), 155, A8I, eu ? Rot(QStringLiteral("Label6")) : Es("Coste de Construcción")),
        Izq(31, 143, 155, A8B, Rot(QStringLiteral("Label8"), dosPuntos)),
        Caja(32, 149, 154, 169, 159, A9B, Ctl(N("txt", "cco"))),
        Regla(161),
        // Data the formula needs.
        Izq(33, 42, 163, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(34, 27, 169, A8I, Rot(QStringLiteral("Frame2"), dosPuntos)),
        Izq(35, E(37, 52), 168.5, A9, Etq(QStringLiteral("sEtiquetaTVI"))),
        Izq(36, 27, 174, A8I, Rot(QStringLiteral("Frame3"), dosPuntos)),
        Izq(37, 48, 173.5, A9, Etq(QStringLiteral("sEtiquetaTSU"))),
        Izq(38, 71, 174, A8I, L("Superficie:", "Azalera:")),
        Izq(39, 86, 173.5, A9, Ctl(N("txt", "sbu"))),
        Nombrada("rotulo_sh", Izq(40, E(107, 113), 174, A8I, Rot(QStringLiteral("Frame5")))),
        Nombrada("sh", Izq(41, 142, 174, A8B, Rot(QStringLiteral("Label9"), dosPuntos))),
        Caja(42, 149, 173, 171, 178, A9B, Ctl(N("txt", "sho"))),
        Izq(43, 27, 179, A8I, Rot(QStringLiteral("Label10"))),
        Izq(44, E(55, 59), 179, A8B, Rot(QStringLiteral("Label11"), dosPuntos)),
        Caja(45, E(62, 66), 178, E(72, 76), 183, A9B, Ctl(N("txt", "ccl"))),
        Izq(46, 87, 179, A8I, L("Datos:", "Datuak:")),
        Izq(47, E(97, 99), 178.5, A9I, Etq(QStringLiteral("sEtiquetaCL"))),
        Izq(48, 27, 184, A8I, Rot(QStringLiteral("Frame7"), dosPuntos)),
        Cen(49, E(45, 48), 183.5, 5, A9, Ctl(N("txt", "ant"))),
        Izq(50, E(55, 57), 184, A8, Rot(QStringLiteral("Label12"))),
        Izq(51, E(97, 94), 184, A8, L("Coeficiente", "Koefizientea")),
        Izq(52, 112, 184, A8B, Rot(QStringLiteral("Label13"), dosPuntos)),
        Caja(53, 121, 183, 136, 188, A9B, Ctl(N("txt", "dep"))),
        Regla(190),
        // Result of the valuation.
        Izq(54, 42, 192, A8BIU, Rot(QStringLiteral("Frame8"), dosPuntos)),
        Nombrada("año_ponencia",
                 Izq(55, 27, 198, A8I, Rot(QStringLiteral("Label14"), E(QStringLiteral(" ="), QStringLiteral("="))))),
        Izq(56, E(58, 59), 198, A9, Ctl(N("txt", "añop"))),
        Izq(57, E(67, 68), 198, A8, Rot(QStringLiteral("Label15"))),
        Der(58, 170, 198, A9, Ctl(N("txt", "vad"))),
        Izq(59, 27, 204, A8I, Rot(QStringLiteral("Label16"))),
        Caja(60, 112, 203, 127, 208, A9B, Ctl(N("txt", "coa"))),
        Der(61, 170, 203.5, A9, Ctl(N("txt", "vac"))),
        Izq(62, 27, 209, A8I, Rot(QStringLiteral("Label17"))),
        Caja(63, 112, 208, 127, 213, A9B, Ctl(N("txt", "rp"))),
        Der(64, 170, 208.5, A9, Ctl(N("txt", "vco"))),
        Izq(65, 27, 215.5, A9B, Rot(QStringLiteral("Label18"))),
        Izq(66, E(53, 66), 216, A8I, Rot(QStringLiteral("Label19"))),
        Caja(67, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(N("txt", "pti"))),
        CajaGris(68, 143, 215, 172, 220, 170, 215.5, A9B, Ctl(N("txt", "vaf"))),
        Izq(69, E(112, 119), 222, A8, eu ? Rot(QStringLiteral("Label20")) : Es("Valor del suelo")),
        Der(70, 170, 221.5, A9, Ctl(N("txt", "vsf"))),
        Izq(71, E(112, 119), 227, A8, eu ? Rot(QStringLiteral("Label21")) : Es("Valor de la construcción")),
        Der(72, 170, 226.5, A9, Ctl(N("txt", "vcf"))),
    });
    // clang-format on
    Anadir(t, FilasPie(eu));
    return t;
}
