// The report of offices in an industrial zone printed from the window, in Spanish and in
// Basque: the page goes to a PDF in the test's own temporary folder and its texts are read
// back where the layout puts them (its own header from y 34, the industrial body below).
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/office_industrial/InformeOficinaIndustrial.h"
#include "typologies/office_industrial/Tipologia8.h"

namespace {

// BIZONA (92), ponencia 2025, zone PI-02 in pesetas VRI 20000; valued on 01/01/2025 (RP 1,10).
class InformeOficina : public FixtureTipologia<Tipologia8> {
protected:
    InformeOficina()
        : FixtureTipologia(PreparacionTipologia{
              8,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 92, 'BIZONA')",
                  "INSERT INTO t04_ponencias VALUES (2025, 92)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (92, 'PI-01', 2025, 'E', 12020), (92, 'PI-02', 2025, 'P', 20000)",
              }})
    {
    }

    QString Pdf(bool eu) const
    {
        return dir_.filePath(eu ? QStringLiteral("oficina_industrial_eu.pdf")
                                : QStringLiteral("oficina_industrial_es.pdf"));
    }

    // Built 100 m2 (SH 122), new, 100 %: V = (7600 + 82800 + 20000) * 122 = 13468800, VAF =
    // 1,10 V = 14815680. The Basque page has the basement box ticked (CL 0,30): V = (2280 +
    // 82800 + 6000) * 122 = 11111760, VAF 12222936.
    void Imprimir(bool eu)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        gDatosTip8().EscribirP8_DES(QStringLiteral("Oficina 3, planta primera"), 0);
        Abrir();
        Elegir(QStringLiteral("cmbp8mun"), QStringLiteral("BIZONA"));
        Elegir(QStringLiteral("cmbp8nui"), QStringLiteral("PI-02"));
        Pulsar(QStringLiteral("optp8tsu(0)"));
        Teclear(QStringLiteral("txtp8sbu"), QStringLiteral("100"));
        if (eu)
            Pulsar(QStringLiteral("Chkp8cl1"));
        ASSERT_DOUBLE_EQ(gDatosTip8().P8_VAF(), eu ? 12222936 : 14815680);
        ImprimirEn(Pdf(eu));
    }

    QTemporaryDir dir_;
};

TEST_F(InformeOficina, SpanishPageHasItsTextsWhereTheLayoutPutsThem)
{
    Imprimir(false);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(false), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 42},
        {"Diputación Foral de Orvellan", Izquierda, 69, 47},
        {"Fiskalitaterako eta Finantzetarako Departamentua", Izquierda, 69, 59},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 64},
        {"Impuesto sobre Transmisiones Patrimoniales y Actos Jurídicos Documentados", Centro, 99.5, 80},
        {"Impuesto sobre Sucesiones y Donaciones", Centro, 99.5, 84},
        {"COMPROBACIÓN DE VALORES:", Izquierda, 39, 93},
        {"OFICINA EN ZONA INDUSTRIAL", Izquierda, 93, 92.5},
        {"(Decreto Foral 6/1999, de 26 de enero y demás disposiciones vigentes)", Centro, 99.5, 100},
        {"Fecha de Valoración:", Izquierda, 72, 108.5},
        {"01/01/2025", Izquierda, 100, 108},
        {"Datos operación:", Izquierda, 25, 115.5},
        {"Oficina 3, planta primera", Izquierda, 37, 120},
        {"Municipio:", Izquierda, 27, 146},
        {"BIZONA", Izquierda, 47, 145.5},
        {"Zona Industrial:", Izquierda, 27, 151},
        {"PI-02", Izquierda, 47, 150.5},
        {"Valor básico de repercusión del suelo", Izquierda, 27, 156},
        {"VRI:", Izquierda, 76, 156},
        {"20.000", Centro, 95, 155.5},  // VRI box 84-106
        {"Coste de Construcción", Izquierda, 113, 156},
        {"CC:", Izquierda, 143, 156},
        {"60.000", Centro, 159, 155.5},  // CC box 149-169
        {"Tipo superficie:", Izquierda, 27, 172},
        {"Construida", Izquierda, 48, 171.5},
        {"122,0000", Centro, 160, 171.5},  // SH box 149-171
        {"Coeficiente Corrector", Izquierda, 27, 177},
        {"CL:", Izquierda, 55, 177},
        {"1,00", Centro, 67, 176.5},  // CL box 62-72
        {"Datos:", Izquierda, 87, 177},
        {"(el general)", Izquierda, 97, 176.5},
        {"Valor en año ponencia =", Izquierda, 27, 198},
        {"2025", Izquierda, 58, 198},
        {"= V = [ VRI * CL + (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH", Izquierda, 67, 198},
        {"13.468.800", Derecha, 172, 198},
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"100,00", Centro, 119.5, 215.5},
        {"14.815.680", Derecha, 172, 215.5},  // in the grey box 145-174
        {"Valor del suelo", Izquierda, 112, 222},
        {"Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
         Izquierda, 27, 243},
    });
    ComprobarFuentes(Pdf(false), {
        {"Orvellanko Foru Aldundia", 42, "TNR 12 BI"},
        {"COMPROBACIÓN DE VALORES:", 93, "A 9 U"},
        {"OFICINA EN ZONA INDUSTRIAL", 92.5, "A 11 B"},
        {"01/01/2025", 108, "A 9 B"},
        {"20.000", 155.5, "A 9 B"},
        {"(el general)", 176.5, "A 9 I"},
        {"14.815.680", 215.5, "A 9 B"},
    });
    // clang-format on
}

TEST_F(InformeOficina, BasquePageHasItsTextsWhereTheLayoutPutsThem)
{
    Imprimir(true);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(true), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 42},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 64},
        {"Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga", Centro, 99.5, 80},
        {"Oinordetza eta Dohaintzen gaineko Zerga", Centro, 99.5, 84},
        {"BALIO EGIAZTAPENA:", Izquierda, 52, 93},
        {"BULEGOA, INDUSTRIAGUNE BATEAN", Izquierda, 91, 92.5},
        {"Balorazio data:", Izquierda, 77, 108.5},
        {"2025/01/01", Izquierda, 100, 108},
        {"Eragiketa datuak:", Izquierda, 25, 115.5},
        {"Udalerria:", Izquierda, 27, 146},
        {"Industriagunea:", Izquierda, 27, 151},
        {"Lurzoruaren oinarrizko balio eragingarria", Izquierda, 27, 156},
        {"BEI:", Izquierda, 79, 156},
        {"20.000", Centro, 98, 155.5},  // VRI box 87-109
        {"Eraikuntza kostua", Izquierda, 118, 156},
        {"EK:", Izquierda, 143, 156},
        {"Eraikia", Izquierda, 48, 171.5},
        {"Koefiziente zuzentzailea", Izquierda, 27, 177},
        {"KL:", Izquierda, 59, 177},
        {"0,30", Centro, 71, 176.5},  // CL box 66-76
        {"Datuak:", Izquierda, 87, 177},
        {"(Sotoa)", Izquierda, 99, 176.5},
        {"Balioa ponentzia urtean =", Izquierda, 27, 198},
        {"= B = [ BEI * KL + (1,38 * EK + 0,38 * BEI * KL) * (1 - G)] * AH", Izquierda, 68, 198},
        {"11.111.760", Derecha, 172, 198},
        {"AMAIERAKO BALIOA =", Izquierda, 27, 215.5},
        {"100,00", Centro, 126.5, 215.5},  // box 119-134
        {"12.222.936", Derecha, 172, 215.5},
        {"Lurzoruaren balioa:", Izquierda, 119, 222},
        {"Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.", Izquierda, 27, 243},
    });
    // clang-format on
}

TEST_F(InformeOficina, WindowHasEveryControlTheTablesRead)
{
    Abrir();
    EXPECT_TRUE(ControlesAusentes(InformeOficinaIndustrialEs(), V()).isEmpty());
    EXPECT_TRUE(ControlesAusentes(InformeOficinaIndustrialEu(), V()).isEmpty());
}

}  // namespace
