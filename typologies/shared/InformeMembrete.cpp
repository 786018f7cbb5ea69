#include "typologies/shared/InformeMembrete.h"

namespace informe {

namespace {

QString U(const char* texto) { return QString::fromUtf8(texto); }

}  // namespace

std::vector<ItemInforme> FilasMembrete(const Membrete& m, bool eu)
{
    const FuenteInforme TNR12BI = Times(12, "BI"), A10 = Arial(10);
    const double banda = m.der - m.izq, dentro = m.marco + 1, regla = 69 + m.dy;
    std::vector<ItemInforme> t;
    if (m.tacon) {
        // Drawn at the frame's width: a line takes the width last set.
        t.push_back(Grosor(6));
        t.push_back(Linea(m.izq - 1, m.marco, m.izq + 1, m.marco));
    }
    // clang-format off
    Anadir(t, {
        Recuadro(m.izq - 1, m.marco, m.der + 1, 250, 6),
        Recuadro(m.izq, dentro, m.der, 249, 6),
        Linea(62, dentro, 62, regla),
        Linea(62.5, dentro, 62.5, regla),
        Logo(32, m.logo, 18, 22),
        // The authority, the same in both languages.
        Izq(0, 69, 35 + m.dy, TNR12BI, Lit(U("Orvellanko Foru Aldundia"))),
        Izq(0, 69, 40 + m.dy, TNR12BI, Lit(U("Diputación Foral de Orvellan"))),
        Izq(0, 69, 52 + m.dy, TNR12BI, Lit(U("Fiskalitaterako eta Finantzetarako Departamentua"))),
        Nombrada("departamento",
                 Izq(0, 69, 57 + m.dy, TNR12BI,
                     Lit(m.departamentoConBlanco ? U("Departamento para la Fiscalidad y las Finanzas ")
                                                 : U("Departamento para la Fiscalidad y las Finanzas")))),
        Regla(regla, m.izq, m.der),
        Cen(0, m.izq, 73 + m.dy, banda, A10,
            Lit(eu ? U(m.ondasun ? "Ondasun Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga"
                                 : "Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga")
                   : U("Impuesto sobre Transmisiones Patrimoniales y Actos Jurídicos Documentados"))),
        Cen(0, m.izq, 77 + m.dy, banda, A10,
            Lit(U(eu ? "Oinordetza eta Dohaintzen gaineko Zerga" : "Impuesto sobre Sucesiones y Donaciones"))),
        Regla(m.reglaImpuestos, m.izq, m.der),
    });
    // clang-format on
    return t;
}

TextoInforme Comprobacion(bool eu) { return Lit(U(eu ? "BALIO EGIAZTAPENA:" : "COMPROBACIÓN DE VALORES:")); }

ItemInforme FilaDecreto(int numero, double y, bool eu, double izq, double der)
{
    return Cen(numero, izq, y, der - izq, Arial(8),
               Lit(U(eu ? "(Urtarrilaren 26ko 6/1999 Foru Dekretua eta indarrean dauden bestelako xedapenak)"
                        : "(Decreto Foral 6/1999, de 26 de enero y demás disposiciones vigentes)")));
}

std::vector<ItemInforme> FilasPie(bool eu, bool negrita, double izq, double der)
{
    const FuenteInforme f = Arial(8, negrita ? "B" : "");
    const auto L = [eu](const char* es, const char* vasco) { return Lit(U(eu ? vasco : es)); };
    return {
        Regla(232, izq, der),
        Izq(0, 27, 235, f,
            L("Importes calculados conforme a lo dispuesto en el Decreto Foral 6/1999, de 26 de enero y demás "
              "disposiciones",
              "Urtarrilaren 26ko 6/1999 Foru Dekretuan eta indarrean dauden bestelako xedapenetan kalkulaturiko "
              "zenbatekoak,")),
        Izq(0, 27, 239, f,
            L("vigentes, atendiendo a los datos del bien inmueble consignados.",
              "ondasun higiezinari buruzko datuei jarraituz.")),
        Izq(0, 27, 243, f,
            L("Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
              "Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.")),
    };
}

void Anadir(std::vector<ItemInforme>& tabla, std::vector<ItemInforme> filas)
{
    for (ItemInforme& it : filas)
        tabla.push_back(std::move(it));
}

}  // namespace informe
