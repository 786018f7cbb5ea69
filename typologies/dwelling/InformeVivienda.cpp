#include "typologies/dwelling/InformeVivienda.h"

using namespace informe;

namespace {

// One layout, two languages: E(spanish, basque) picks the position or text of a row.
std::vector<ItemInforme> Tabla(bool eu)
{
    const auto E = [eu](auto es, auto vasco) { return eu ? vasco : es; };
    const auto L = [eu](const char* es, const char* vasco) {
        return Lit(QString::fromUtf8(eu ? vasco : es));
    };
    const auto Es = [](const char* es) { return Lit(QString::fromUtf8(es)); };
    const FuenteInforme TNR12BI = Times(12, "BI"), A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"),
                        A8BIU = Arial(8, "BIU"), A9 = Arial(9), A9B = Arial(9, "B"), A9I = Arial(9, "I"),
                        A9U = Arial(9, "U"), A10 = Arial(10), A11B = Arial(11, "B");

    return {
        // Double frame, logo cell and logo.
        Recuadro(22, 26, 177, 250, 6),
        Recuadro(23, 27, 176, 249, 6),
        Linea(62, 27, 62, 69),
        Linea(62.5, 27, 62.5, 69),
        Logo(32, 38, 18, 22),
        // The authority, the same in both languages.
        Izq(1, 69, 35, TNR12BI, Lit(QStringLiteral("Orvellanko Foru Aldundia"))),
        Izq(2, 69, 40, TNR12BI, Lit(QString::fromUtf8("Diputación Foral de Orvellan"))),
        Izq(3, 69, 52, TNR12BI, Lit(QStringLiteral("Fiskalitaterako eta Finantzetarako Departamentua"))),
        Izq(4, 69, 57, TNR12BI, Lit(QStringLiteral("Departamento para la Fiscalidad y las Finanzas "))),
        Regla(69),
        Cen(5, 23, 73, 153, A10,
            L("Impuesto sobre Transmisiones Patrimoniales y Actos Jurídicos Documentados",
              "Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga")),
        Cen(6, 23, 77, 153, A10, L("Impuesto sobre Sucesiones y Donaciones", "Oinordetza eta Dohaintzen gaineko Zerga")),
        Regla(84),
        Izq(7, E(64, 69), 88, A9U, L("COMPROBACIÓN DE VALORES:", "BALIO EGIAZTAPENA:")),
        Izq(8, E(119, 109), 87.5, A11B, L("VIVIENDAS", "ETXEBIZITZAK")),
        Cen(9, 23, 95, 153, A8,
            L("(Decreto Foral 6/1999, de 26 de enero y demás disposiciones vigentes)",
              "(Urtarrilaren 26ko 6/1999 Foru Dekretua eta indarrean dauden bestelako xedapenak)")),
        Regla(100),
        Izq(10, E(72, 77), 103.5, A8, L("Fecha de Valoración:", "Balorazio data:")),
        Izq(11, 100, 103, A9B, eu ? Fec(QStringLiteral("txtp1fecv")) : Ctl(QStringLiteral("txtp1fecv"))),
        Regla(109),
        Izq(12, 25, 111.5, A8I, L("Datos operación:", "Eragiketa datuak:")),
        Izq(13, 37, 116, A9, Des(0)),
        Izq(14, 37, 120, A9, Des(1)),
        Izq(15, 37, 124, A9, Des(2)),
        Izq(16, 37, 128, A9, Des(3)),
        Regla(134),
        // Location.
        Izq(17, 42, 136, A8BIU, L("Localización:", "Kokalekua:")),
        Izq(18, 27, 141, A8I, Rot(QStringLiteral("Label1"), QStringLiteral(":"))),
        Izq(19, 47, 140.5, A9, Ctl(QStringLiteral("cmbp1mun"))),
        Izq(20, 27, 145, A8I, eu ? Rot(QStringLiteral("Label2"), QStringLiteral(":")) : Es("Calle, plaza:")),
        Izq(21, 47, 144.5, A9, Ctl(QStringLiteral("cmbp1cal"))),
        Izq(22, E(113, 118), 145, A8I, eu ? Rot(QStringLiteral("Label3"), QStringLiteral(":")) : Es("Nº Portal:")),
        Izq(23, E(128, 133), 144.5, A9, Ctl(QStringLiteral("txtp1nup"))),
        Izq(24, 27, 149, A8I, Rot(QStringLiteral("Label4"), QStringLiteral(":"))),
        Izq(25, 47, 148.5, A9, Ctl(QStringLiteral("txtp1nur"))),
        Izq(26, 55, 148.5, A9, Ctl(QStringLiteral("txtp1nor"))),
        Izq(27, 27, 155, A8I, L("Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria")),
        Izq(28, E(76, 79), 155, A8B, Rot(QStringLiteral("Label7"), QStringLiteral(":"))),
        Caja(29, E(84, 87), 154, E(106, 109), 159, A9B, Ctl(QStringLiteral("txtp1vrr"))),
        Izq(30, E(113, 118), 155, A8I, eu ? Rot(QStringLiteral("Label6")) : Es("Coste de Construcción")),
        Izq(31, 143, 155, A8B, Rot(QStringLiteral("Label8"), QStringLiteral(":"))),
        Caja(32, 149, 154, 169, 159, A9B, Ctl(QStringLiteral("txtp1cco"))),
        Regla(161),
        // Data the formula needs.
        Izq(33, 42, 163, A8BIU, L("Datos necesarios:", "Beharrezko datuak:")),
        Izq(34, 27, 169, A8I, Rot(QStringLiteral("Frame2"), QStringLiteral(":"))),
        Izq(35, E(37, 52), 168.5, A9, Etq(QStringLiteral("sEtiquetaTVI"))),
        Izq(36, 27, 174, A8I, Rot(QStringLiteral("Frame3"), QStringLiteral(":"))),
        Izq(37, 48, 173.5, A9, Etq(QStringLiteral("sEtiquetaTSU"))),
        Izq(38, 71, 174, A8I, L("Superficie:", "Azalera:")),
        Izq(39, 86, 173.5, A9, Ctl(QStringLiteral("txtp1sbu"))),
        Izq(40, E(107, 113), 174, A8I, Rot(QStringLiteral("Frame5"))),
        Izq(41, 142, 174, A8B, Rot(QStringLiteral("Label9"), QStringLiteral(":"))),
        Caja(42, 149, 173, 171, 178, A9B, Ctl(QStringLiteral("txtp1sho"))),
        Izq(43, 27, 179, A8I, Rot(QStringLiteral("Label10"))),
        Izq(44, E(55, 59), 179, A8B, Rot(QStringLiteral("Label11"), QStringLiteral(":"))),
        Caja(45, E(62, 66), 178, E(72, 76), 183, A9B, Ctl(QStringLiteral("txtp1ccl"))),
        Izq(46, 87, 179, A8I, L("Datos:", "Datuak:")),
        Izq(47, E(97, 99), 178.5, A9I, Etq(QStringLiteral("sEtiquetaCL"))),
        Izq(48, 27, 184, A8I, Rot(QStringLiteral("Frame7"), QStringLiteral(":"))),
        Cen(49, E(45, 48), 183.5, 5, A9, Ctl(QStringLiteral("txtp1ant"))),
        Izq(50, E(55, 57), 184, A8, Rot(QStringLiteral("Label12"))),
        Izq(51, E(97, 94), 184, A8, L("Coeficiente", "Koefizientea")),
        Izq(52, 112, 184, A8B, Rot(QStringLiteral("Label13"), QStringLiteral(":"))),
        Caja(53, 121, 183, 136, 188, A9B, Ctl(QStringLiteral("txtp1dep"))),
        Regla(190),
        // Result of the valuation.
        Izq(54, 42, 192, A8BIU, Rot(QStringLiteral("Frame8"), QStringLiteral(":"))),
        Izq(55, 27, 198, A8I, Rot(QStringLiteral("Label14"), E(QStringLiteral(" ="), QStringLiteral("=")))),
        Izq(56, E(58, 59), 198, A9, Ctl(QString::fromUtf8("txtp1añop"))),
        Izq(57, E(67, 68), 198, A8, Rot(QStringLiteral("Label15"))),
        Der(58, 170, 198, A9, Ctl(QStringLiteral("txtp1vad"))),
        Izq(59, 27, 204, A8I, Rot(QStringLiteral("Label16"))),
        Caja(60, 112, 203, 127, 208, A9B, Ctl(QStringLiteral("txtp1coa"))),
        Der(61, 170, 203.5, A9, Ctl(QStringLiteral("txtp1vac"))),
        Izq(62, 27, 209, A8I, Rot(QStringLiteral("Label17"))),
        Caja(63, 112, 208, 127, 213, A9B, Ctl(QStringLiteral("txtp1rp"))),
        Der(64, 170, 208.5, A9, Ctl(QStringLiteral("txtp1vco"))),
        Izq(65, 27, 215.5, A9B, Rot(QStringLiteral("Label18"))),
        Izq(66, E(53, 66), 216, A8I, Rot(QStringLiteral("Label19"))),
        Caja(67, E(112, 119), 215, E(127, 134), 220, A9B, Ctl(QStringLiteral("txtp1pti"))),
        CajaGris(68, 143, 215, 172, 220, 170, 215.5, A9B, Ctl(QStringLiteral("txtp1vaf"))),
        Izq(69, E(112, 119), 222, A8, eu ? Rot(QStringLiteral("Label20")) : Es("Valor del suelo")),
        Der(70, 170, 221.5, A9, Ctl(QStringLiteral("txtp1vsf"))),
        Izq(71, E(112, 119), 227, A8, eu ? Rot(QStringLiteral("Label21")) : Es("Valor de la construcción")),
        Der(72, 170, 226.5, A9, Ctl(QStringLiteral("txtp1vcf"))),
        Regla(232),
        // Legal basis and purpose.
        Izq(73, 27, 235, A8,
            L("Importes calculados conforme a lo dispuesto en el Decreto Foral 6/1999, de 26 de enero y demás "
              "disposiciones",
              "Urtarrilaren 26ko 6/1999 Foru Dekretuan eta indarrean dauden bestelako xedapenetan kalkulaturiko "
              "zenbatekoak,")),
        Izq(74, 27, 239, A8,
            L("vigentes, atendiendo a los datos del bien inmueble consignados.",
              "ondasun higiezinari buruzko datuei jarraituz.")),
        Izq(75, 27, 243, A8,
            L("Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
              "Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.")),
    };
}

}  // namespace

const std::vector<ItemInforme>& InformeViviendaEs()
{
    static const std::vector<ItemInforme> tabla = Tabla(false);
    return tabla;
}

const std::vector<ItemInforme>& InformeViviendaEu()
{
    static const std::vector<ItemInforme> tabla = Tabla(true);
    return tabla;
}
