#include "typologies/parking/InformeGaraje.h"

using namespace informe;

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

// The Spanish page. Items carry the number of their layout row; a box with its value is one
// item under the number of the value.
std::vector<ItemInforme> TablaEs()
{
    const FuenteInforme TNR12BI = Times(12, "BI"), A8 = Arial(8), A8I = Arial(8, "I"), A8B = Arial(8, "B"),
                        A8BIU = Arial(8, "BIU"), A9 = Arial(9), A9B = Arial(9, "B"), A9U = Arial(9, "U"),
                        A10 = Arial(10), A11B = Arial(11, "B");
    const QString dosPuntos = QStringLiteral(":");

    return {
        // Double frame, logo cell and logo.
        Recuadro(22, 26, 177, 250, 6),
        Recuadro(23, 27, 176, 249, 6),
        Linea(62, 27, 62, 69),
        Linea(62.5, 27, 62.5, 69),
        Logo(32, 38, 18, 22),
        // The authority, the same in both languages.
        Izq(6, 69, 35, TNR12BI, Lit(U("Orvellanko Foru Aldundia"))),
        Izq(7, 69, 40, TNR12BI, Lit(U("Diputación Foral de Orvellan"))),
        Izq(8, 69, 52, TNR12BI, Lit(U("Fiskalitaterako eta Finantzetarako Departamentua"))),
        Izq(9, 69, 57, TNR12BI, Lit(U("Departamento para la Fiscalidad y las Finanzas "))),
        Regla(69),
        Cen(12, 23, 73, 153, A10, Lit(U("Impuesto sobre Transmisiones Patrimoniales y Actos Jurídicos Documentados"))),
        Cen(13, 23, 77, 153, A10, Lit(U("Impuesto sobre Sucesiones y Donaciones"))),
        Regla(84),
        Izq(16, 49, 88, A9U, Lit(U("COMPROBACIÓN DE VALORES:"))),
        Izq(17, 104, 87.5, A11B, Lit(U("GARAJES / APARCAMIENTOS"))),
        Cen(18, 23, 95, 153, A8, Lit(U("(Decreto Foral 6/1999, de 26 de enero y demás disposiciones vigentes)"))),
        Regla(100),
        Izq(21, 72, 103.5, A8, Lit(U("Fecha de Valoración:"))),
        Izq(22, 100, 103, A9B, Ctl(U("txtp3fecv"))),
        Regla(109),
        Izq(25, 25, 111.5, A8I, Lit(U("Datos operación:"))),
        Izq(26, 37, 116, A9, Des(0)),
        Izq(27, 37, 120, A9, Des(1)),
        Izq(28, 37, 124, A9, Des(2)),
        Izq(29, 37, 128, A9, Des(3)),
        Regla(134),
        // Location and the parking module of the zone.
        Izq(32, 42, 136, A8BIU, Lit(U("Localización:"))),
        Izq(33, 27, 141, A8I, Rot(U("Label1"), dosPuntos)),
        Izq(34, 47, 140.5, A9, Ctl(U("cmbp3mun"))),
        Izq(35, 27, 145, A8I, Lit(U("Calle, plaza:"))),
        Izq(36, 47, 144.5, A9, Ctl(U("cmbp3cal"))),
        Izq(37, 107, 145, A8I, Lit(U("Nº Portal:"))),
        Izq(38, 122, 144.5, A9, Ctl(U("txtp3nup"))),
        Izq(39, 27, 149, A8I, Rot(U("Label4"), dosPuntos)),
        Izq(40, 47, 148.5, A9, Ctl(U("txtp3nur"))),
        Izq(41, 55, 148.5, A9, Ctl(U("txtp3nor"))),
        Izq(42, 27, 155, A8I, Lit(U("Módulo de Plaza de Aparcamiento"))),
        Izq(43, 81, 155, A8B, Rot(U("Label6"), dosPuntos)),
        Caja(45, 89, 154, 111, 159, A9B, Ctl(U("txtp3map"))),
        Regla(161),
        // Data the formula needs.
        Izq(48, 42, 164, A8BIU, Lit(U("Datos necesarios:"))),
        Izq(49, 27, 170, A8I, Rot(U("Frame2"), dosPuntos)),
        Izq(50, 37, 169.5, A9, Etq(U("sEtiquetaTipo"))),
        Izq(51, 87, 170, A8I, Rot(U("Label7"))),
        Izq(52, 115, 170, A8B, Rot(U("Label8"), dosPuntos)),
        Caja(54, 125, 169, 135, 174, A9B, Ctl(U("txtp3ccg"))),
        Izq(55, 27, 176, A8I, Rot(U("Frame3"), dosPuntos)),
        Izq(56, 48, 175.5, A9, Etq(U("sEtiquetaSuperficie"))),
        Izq(57, 87, 176, A8I, Lit(U("Superficie:"))),
        Izq(58, 102, 175.5, A9, Ctl(U("txtp3sbu"))),
        Izq(59, 27, 182, A8I, Rot(U("Frame5"))),
        Izq(60, 55, 182, A8B, Rot(U("Label9"), dosPuntos)),
        Caja(62, 62, 181, 82, 186, A9B, Ctl(U("txtp3ccs"))),
        Regla(190),
        // Result of the valuation.
        Izq(65, 42, 192, A8BIU, Rot(U("Frame6"), dosPuntos)),
        Izq(66, 27, 198, A8I, Rot(U("Label10"), QStringLiteral("="))),
        Izq(67, 58, 198, A9, Ctl(U("txtp3añop"))),
        Izq(68, 67, 198, A8, Rot(U("Label11"))),
        Der(69, 170, 198, A9, Ctl(U("txtp3vad"))),
        Izq(70, 27, 204, A8I, Rot(U("Label12"))),
        Caja(72, 112, 203, 127, 208, A9B, Ctl(U("txtp3coa"))),
        Der(73, 170, 203.5, A9, Ctl(U("txtp3vac"))),
        Izq(74, 27, 209, A8I, Rot(U("Label13"))),
        Caja(76, 112, 208, 127, 213, A9B, Ctl(U("txtp3rp"))),
        Der(77, 170, 208.5, A9, Ctl(U("txtp3vco"))),
        Izq(78, 27, 215.5, A9B, Rot(U("Label14"))),
        Izq(79, 53, 216, A8I, Rot(U("Label15"))),
        Caja(81, 112, 215, 127, 220, A9B, Ctl(U("txtp3pti"))),
        CajaGris(83, 143, 215, 172, 220, 170, 215.5, A9B, Ctl(U("txtp3vaf"))),
        Regla(232),
        // Legal basis and purpose, in bold.
        Izq(86, 27, 235, A8B,
            Lit(U("Importes calculados conforme a lo dispuesto en el Decreto Foral 6/1999, de 26 de enero y demás "
                  "disposiciones"))),
        Izq(87, 27, 239, A8B, Lit(U("vigentes, atendiendo a los datos del bien inmueble consignados."))),
        Izq(88, 27, 243, A8B,
            Lit(U("Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados."))),
    };
}

// The Basque page: the Spanish one with the rows in which the two differ.
std::vector<ItemInforme> TablaEu()
{
    std::vector<ItemInforme> t = TablaEs();
    const auto fila = [&t](int numero) -> ItemInforme& { return *ItemNumero(t, numero); };
    const auto texto = [&](int numero, const char* literal) { fila(numero).texto = U(literal); };
    // A white box moved, with its value centred in it half a millimetre below its top.
    const auto caja = [&](int numero, double x1, double y1, double x2, double y2) {
        ItemInforme& c = fila(numero);
        c.x1 = c.x = x1;
        c.y1 = y1;
        c.y = y1 + 0.5;
        c.x2 = x2;
        c.y2 = y2;
        c.ancho = x2 - x1;
    };

    texto(12, "Ondasun Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga");
    texto(13, "Oinordetza eta Dohaintzen gaineko Zerga");
    fila(16).x = 60;
    texto(16, "BALIO EGIAZTAPENA:");
    fila(17).x = 100;
    texto(17, "GARAJEAK / APARKALEKUAK");
    texto(18, "(Urtarrilaren 26ko 6/1999 Foru Dekretua eta indarrean dauden bestelako xedapenak)");
    fila(21).x = 77;
    texto(21, "Balorazio data:");
    fila(22).origen = OrigenTexto::FechaControl;
    texto(25, "Eragiketa datuak:");
    texto(32, "Kokalekua:");
    // Street and portal take the window's captions instead of the literals.
    for (const auto& [numero, rotulo] : {std::pair{35, "Label2"}, std::pair{37, "Label3"}}) {
        fila(numero).origen = OrigenTexto::Rotulo;
        texto(numero, rotulo);
        fila(numero).sufijo = QStringLiteral(":");
    }
    texto(42, "Plaza Bakoitzeko Modulua");
    texto(48, "Beharrezko datuak:");
    fila(52).x = 119;
    caja(54, 127, 169, 137, 174);
    texto(57, "Azalera:");
    fila(59).y = 181;
    fila(60).x = 59;
    fila(60).y = 181;
    caja(62, 66, 180, 86, 185);
    fila(66).sufijo.clear();
    fila(67).x = 61;
    fila(68).x = 71;
    fila(79).x = 66;
    caja(81, 119, 215, 134, 220);
    texto(86, "Urtarrilaren 26ko 6/1999 Foru Dekretuan eta indarrean dauden bestelako xedapenetan kalkulaturiko "
              "zenbatekoak,");
    texto(87, "ondasun higiezinari buruzko datuei jarraituz.");
    texto(88, "Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.");
    return t;
}

}  // namespace

const std::vector<ItemInforme>& InformeGarajeEs()
{
    static const std::vector<ItemInforme> tabla = TablaEs();
    return tabla;
}

const std::vector<ItemInforme>& InformeGarajeEu()
{
    static const std::vector<ItemInforme> tabla = TablaEu();
    return tabla;
}
