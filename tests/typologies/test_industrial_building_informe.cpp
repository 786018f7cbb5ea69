// The report of industrial buildings printed from the window, in Spanish and in Basque: the page
// goes to a PDF in the test's own temporary folder and the items where this report differs from
// the industrial-zone office's (title row, CL row, age row, result labels) are read back where
// the layout puts them, in their fonts.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/industrial_building/InformePabellonIndustrial.h"
#include "typologies/industrial_building/Tipologia9.h"

namespace {

// BIZONA (92), ponencia 2025, zone PI-02 in pesetas VRI 20000; 2026 has the percentage 112,5.
class InformePabellon : public FixtureTipologia<Tipologia9> {
protected:
    InformePabellon()
        : FixtureTipologia(PreparacionTipologia{
              9,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 92, 'BIZONA')",
                  "INSERT INTO t04_ponencias VALUES (2025, 92)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (92, 'PI-01', 2025, 'E', 12020), (92, 'PI-02', 2025, 'P', 20000)",
                  "UPDATE main.t02_años SET t02_porcom = 112.5 WHERE t02_ano = 2026",
              }})
    {
    }

    QString Pdf(bool eu) const
    {
        return dir_.filePath(eu ? QStringLiteral("pabellon_eu.pdf") : QStringLiteral("pabellon_es.pdf"));
    }

    // Spanish: the pointer passes over "Salir" and away, then the valuation date 15/06/2026 is
    // typed (RP 1,125, COA 1,02); built 100 m2 (SH 122), 12 years (0,56):
    // V = (62800*0,56 + 20000)*122 = 6730496, VAC 6865106, VCO = 1,125 VAC = 7723244 = VAF.
    // Basque: valued 01/01/2025 (RP 1,10), usable 100 m2 (SH 127), new: V = 82800*127 =
    // 10515600, VAF = 11567160.
    void Imprimir(bool eu)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        Abrir();
        if (!eu) {
            QWidget* salir = C(QStringLiteral("cmdsalir"));
            QTest::mouseMove(V().windowHandle(), salir->mapTo(&V(), salir->rect().center()));
            QTest::mouseMove(V().windowHandle(), QPoint(900, 610));
            ProcessEvents();
            Teclear(QStringLiteral("txtp9fecv"), QStringLiteral("15/06/2026"));
            Pulsar(QStringLiteral("optp9tsu(0)"));
            Teclear(QStringLiteral("txtp9antd1"), QStringLiteral("12"));
        }
        // Written after the date: a new valuation year empties the record, description included.
        gDatosTip9().EscribirP9_DES(QStringLiteral("Pabellón 4, polígono norte"), 0);
        Teclear(QStringLiteral("txtp9sbu"), QStringLiteral("100"));
        Elegir(QStringLiteral("cmbp9mun"), QStringLiteral("BIZONA"));
        Elegir(QStringLiteral("cmbp9nui"), QStringLiteral("PI-02"));
        ASSERT_DOUBLE_EQ(gDatosTip9().P9_VAF(), eu ? 11567160 : 7723244);
        ImprimirEn(Pdf(eu));
    }

    QTemporaryDir dir_;
};

TEST_F(InformePabellon, SpanishPageHasItsOwnItemsWhereTheLayoutPutsThem)
{
    Imprimir(false);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(false), {
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 64},
        {"COMPROBACIÓN DE VALORES:", Izquierda, 44, 93},
        {"PABELLÓN INDUSTRIAL", Izquierda, 98, 92.5},
        // The date typed after the pointer passed over "Salir", as valued.
        {"15/06/2026", Izquierda, 100, 108},
        {"Pabellón 4, polígono norte", Izquierda, 37, 120},
        {"BIZONA", Izquierda, 47, 145.5},
        {"PI-02", Izquierda, 47, 150.5},
        {"40.000", Centro, 159, 155.5},  // CC box 149-169
        {"Construida", Izquierda, 48, 171.5},
        {"122,0000", Centro, 160, 171.5},  // SH box 149-171
        // CL row: Frame5's caption, Label8 and the box, nothing else.
        {"Coeficiente Corrector", Izquierda, 27, 177},
        {"CL:", Izquierda, 55, 177},
        {"1,00", Centro, 67, 176.5},  // box 62-72
        // Age row.
        {"Antigüedad:", Izquierda, 27, 183},
        {"12", Centro, 47.5, 182.5},  // 45-50
        {"Años", Izquierda, 55, 183},
        {"Coeficiente", Izquierda, 97, 183},
        {"(1-D):", Izquierda, 112, 183},
        {"0,5600", Centro, 128.5, 182.5},  // box 121-136
        // Result labels Label11 to Label16.
        {"Valor en año ponencia =", Izquierda, 27, 198},
        {"2025", Izquierda, 58, 198},
        {"= V = [ VRI * CL + (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH", Izquierda, 67, 198},
        {"6.730.496", Derecha, 172, 198},
        {"Valor a Fecha de Valoración = Valor en año ponencia * Coeficiente", Izquierda, 27, 204},
        {"1,020000", Centro, 119.5, 203.5},
        {"6.865.106", Derecha, 172, 203.5},
        {"Valor Comprobado = Valor actualizado al año valoración * RP", Izquierda, 27, 209},
        {"1,13", Centro, 119.5, 208.5},  // the record's 1,125 as its box shows it
        {"7.723.244", Derecha, 172, 208.5},
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"Valor Comprobado * Porcentaje a valorar", Izquierda, 53, 216},
        {"100,00", Centro, 119.5, 215.5},
        {"Valor del suelo", Izquierda, 112, 222},
        {"Valor de la construcción", Izquierda, 112, 227},
    });
    // clang-format on
    const QList<PalabraPdf> palabras = LeerPalabrasPdf(Pdf(false));
    EXPECT_FALSE(BuscarFrase(palabras, QStringLiteral("Datos:")));
    EXPECT_FALSE(BuscarFrase(palabras, QStringLiteral("(el general)")));
    // clang-format off
    ComprobarFuentes(Pdf(false), {
        {"COMPROBACIÓN DE VALORES:", 93, "A 9 U"},
        {"PABELLÓN INDUSTRIAL", 92.5, "A 11 B"},
        {"15/06/2026", 108, "A 9 B"},
        {"Coeficiente Corrector", 177, "A 8 I"},
        {"CL:", 177, "A 8 B"},
        {"1,00", 176.5, "A 9 B"},
        {"Antigüedad:", 183, "A 8"},
        {"Años", 183, "A 8"},
        {"Coeficiente", 183, "A 8"},
        {"(1-D):", 183, "A 8 B"},
        {"0,5600", 182.5, "A 9 B"},
        {"Valor en año ponencia =", 198, "A 8 I"},
        {"VALOR FINAL =", 215.5, "A 9 B"},
        {"7.723.244", 215.5, "A 9 B"},
        {"Valor del suelo", 222, "A 8"},
    });
    // clang-format on
}

TEST_F(InformePabellon, BasquePageHasItsOwnItemsWhereTheLayoutPutsThem)
{
    Imprimir(true);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(true), {
        {"BALIO EGIAZTAPENA:", Izquierda, 55, 93},
        {"INDUSTRIA PABILIOIA", Izquierda, 94, 92.5},
        {"2025/01/01", Izquierda, 100, 108},
        {"Erabilgarria", Izquierda, 48, 171.5},
        {"127,0000", Centro, 160, 171.5},
        {"Koefiziente zuzentzailea", Izquierda, 27, 177},
        {"KL:", Izquierda, 59, 177},
        {"1,00", Centro, 71, 176.5},  // box 66-76
        {"Antzinatasuna:", Izquierda, 27, 183},
        {"0", Centro, 50.5, 182.5},  // 48-53
        {"Urte", Izquierda, 57, 183},
        {"Koefizientea", Izquierda, 94, 183},
        {"(1-G):", Izquierda, 112, 183},
        {"Balioa ponentzia urtean =", Izquierda, 27, 198},
        {"= B = [ BEI * KL + (1,38 * EK + 0,38 * BEI * KL) * (1 - G)] * AH", Izquierda, 68, 198},
        {"10.515.600", Derecha, 172, 198},
        {"Balioa balorazio datan = Balioa ponentzia urtean * Koefizientea", Izquierda, 27, 204},
        {"Balio egiaztatua = Balioa balorazio datan * PE", Izquierda, 27, 209},
        {"1,10", Centro, 119.5, 208.5},
        {"AMAIERAKO BALIOA =", Izquierda, 27, 215.5},
        {"Balio egiaztatua * Baloratu beharreko %", Izquierda, 66, 216},
        {"100,00", Centro, 126.5, 215.5},  // box 119-134
        {"11.567.160", Derecha, 172, 215.5},
        {"Lurzoruaren balioa:", Izquierda, 119, 222},
        {"Eraikuntzaren balioa:", Izquierda, 119, 227},
    });
    // clang-format on
    const QList<PalabraPdf> palabras = LeerPalabrasPdf(Pdf(true));
    EXPECT_FALSE(BuscarFrase(palabras, QStringLiteral("Datuak:")));
    EXPECT_FALSE(BuscarFrase(palabras, QStringLiteral("(Orokorra)")));
    // clang-format off
    ComprobarFuentes(Pdf(true), {
        {"BALIO EGIAZTAPENA:", 93, "A 9 U"},
        {"INDUSTRIA PABILIOIA", 92.5, "A 11 B"},
        {"Antzinatasuna:", 183, "A 8"},
        {"(1-G):", 183, "A 8 B"},
        {"Lurzoruaren balioa:", 222, "A 8"},
    });
    // clang-format on
}

TEST_F(InformePabellon, WindowHasEveryControlTheTablesRead)
{
    Abrir();
    EXPECT_TRUE(ControlesAusentes(InformePabellonIndustrialEs(), V()).isEmpty());
    EXPECT_TRUE(ControlesAusentes(InformePabellonIndustrialEu(), V()).isEmpty());
}

}  // namespace
