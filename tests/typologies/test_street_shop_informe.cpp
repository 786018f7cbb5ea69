// The street-front shop report printed from the window, in Spanish and in Basque: the page goes
// to PDF and its texts are read back where the layout puts them.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include "platform/Printer.h"
#include "tests/support/PdfTexto.h"
#include "tests/typologies/test_street_shop_fixture.h"
#include "typologies/street_shop/InformeLocal.h"

namespace {

class InformeLocal : public LocalCalle {
protected:
    QString Pdf(bool eu) const
    {
        return carpeta_.filePath(eu ? QStringLiteral("informe_local_eu.pdf") : QStringLiteral("informe_local_es.pdf"));
    }

    // The worked example (VRC 100000 pesetas, corner, built 100 m2, 50 %) with two description
    // lines, printed in the settings' language.
    void Imprimir(bool eu)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        R().EscribirP4_DES(QStringLiteral("Local 2 en planta baja"), 0);
        R().EscribirP4_DES(QStringLiteral("Ref. 9-L"), 3);
        Abrir();
        Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("15"));
        Pulsar(QStringLiteral("optp4tsu(0)"));
        Teclear(QStringLiteral("txtp4sbu"), QStringLiteral("100"));
        Pulsar(QStringLiteral("Chkp4cl2"));
        Teclear(QStringLiteral("txtp4pti"), QStringLiteral("50"));
        ASSERT_TRUE(C("cmdimprimir")->isEnabled());
        ImprimirEn(Pdf(eu));
        // Kept for looking at when asked to.
        if (qEnvironmentVariableIsSet("INFORME_LOCAL_COPIA"))
            QFile::copy(Pdf(eu),
                        QDir(qEnvironmentVariable("INFORME_LOCAL_COPIA")).filePath(QFileInfo(Pdf(eu)).fileName()));
    }

    QTemporaryDir carpeta_;
};

TEST_F(InformeLocal, SpanishPageHasItsTextsWhereTheLayoutPutsThem)
{
    Imprimir(false);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(false), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 35},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 57},
        {"Impuesto sobre Sucesiones y Donaciones", Centro, 99.5, 77},
        // The heading is centred in the band 23-176.
        {"COMPROBACIÓN DE VALORES:", Centro, 99.5, 87},
        {"LOCAL COMERCIAL con Acceso Directo a la Vía Pública en Zona Residencial", Centro, 99.5, 92},
        {"(Decreto Foral 6/1999, de 26 de enero y demás disposiciones vigentes)", Centro, 99.5, 99},
        {"Fecha de Valoración:", Izquierda, 72, 106.5},
        {"01/01/2025", Izquierda, 100, 106},
        {"Datos operación:", Izquierda, 25, 114.5},
        {"Local 2 en planta baja", Izquierda, 37, 119},
        {"Ref. 9-L", Izquierda, 37, 131},
        {"Localización:", Izquierda, 42, 139},
        {"Municipio:", Izquierda, 27, 145},
        {"PRUEBA", Izquierda, 47, 144.5},
        {"Calle, plaza:", Izquierda, 27, 150},
        {"CALLE MAYOR", Izquierda, 47, 149.5},
        {"Nº Portal:", Izquierda, 113, 150},
        {"15", Izquierda, 128, 149.5},
        {"Subzona Comercial:", Izquierda, 27, 155},
        {"A1", Izquierda, 57, 154.5},
        {"Valor básico de repercusión del suelo", Izquierda, 27, 160},
        {"VRC:", Izquierda, 76, 160},
        {"100.000", Centro, 95, 159.5},  // VRC box 84-106
        {"Coste de Construcción", Izquierda, 113, 160},
        {"CC:", Izquierda, 143, 160},
        {"40.000", Centro, 159, 159.5},  // CC box 149-169
        {"Tipo superficie:", Izquierda, 27, 174},
        {"Construida", Izquierda, 48, 173.5},
        {"Superficie:", Izquierda, 71, 174},
        {"100,00", Izquierda, 86, 173.5},
        {"Superficie homogeneizada", Izquierda, 107, 174},
        {"SH:", Izquierda, 142, 174},
        {"91,0000", Centro, 160, 173.5},  // SH box 149-171
        {"Coeficiente Corrector", Izquierda, 27, 182},
        {"CL:", Izquierda, 55, 182},
        {"1,10", Centro, 67, 181.5},  // CL box 62-72
        {"Datos:", Izquierda, 87, 182},
        {"(Esquina con 2 vías públicas)", Izquierda, 97, 181.5},
        {"Resultado de la valoración:", Izquierda, 42, 192},
        {"Valor en año ponencia =", Izquierda, 27, 198},
        {"2025", Izquierda, 58, 198},
        {"= V = [ VRC * CL + (1,38 * CC + 0,38 * VRC * CL) ] * SH", Izquierda, 67, 198},
        {"18.837.000", Derecha, 170, 198},
        {"1,000000", Centro, 119.5, 203.5},
        {"18.837.000", Derecha, 170, 203.5},
        {"1,10", Centro, 119.5, 208.5},
        {"20.720.700", Derecha, 170, 208.5},
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"Valor Comprobado * Porcentaje a valorar", Izquierda, 53, 216},
        {"50,00", Centro, 119.5, 215.5},
        {"10.360.350", Derecha, 170, 215.5},  // in the grey box 143-172
        {"Valor del suelo", Izquierda, 112, 222},
        {"5.505.500", Derecha, 170, 221.5},
        {"Valor de la construcción", Izquierda, 112, 227},
        {"4.854.850", Derecha, 170, 226.5},
        {"Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
         Izquierda, 27, 243},
    });
    ComprobarFuentes(Pdf(false), {
        {"Orvellanko Foru Aldundia", 35, "TNR 12 BI"},
        {"COMPROBACIÓN DE VALORES:", 87, "A 9 U"},
        {"LOCAL COMERCIAL con Acceso Directo", 92, "A 10 B"},
        {"Localización:", 139, "A 8 BIU"},
        {"VRC:", 160, "A 8 B"},
        {"100.000", 159.5, "A 9 B"},
        {"(Esquina con 2 vías públicas)", 181.5, "A 9 I"},
        {"18.837.000", 198, "A 9"},
        {"10.360.350", 215.5, "A 9 B"},
        {"Valores determinados exclusivamente", 243, "A 8"},
    });
    // clang-format on
}

TEST_F(InformeLocal, BasquePageIsWiderAndPrintsTheWindowsCaptions)
{
    Imprimir(true);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(true), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 35},
        // The band is 22-181 here.
        {"Oinordetza eta Dohaintzen gaineko Zerga", Centro, 101.5, 77},
        {"BALIO EGIAZTAPENA:", Centro, 101.5, 87},
        {"MERKATARITZA LOKALA, Merkataritza Zuzeneko Irteerarekin eta Etxegune Batean", Centro, 101.5, 92},
        {"Balorazio data:", Izquierda, 72, 106.5},
        {"2025/01/01", Izquierda, 100, 106},
        {"Local 2 en planta baja", Izquierda, 37, 119},
        {"Kokalekua:", Izquierda, 42, 139},
        {"Udalerria:", Izquierda, 27, 145},
        {"Kalea, plaza:", Izquierda, 27, 150},
        {"Atari zk.:", Izquierda, 118, 150},
        {"15", Izquierda, 133, 149.5},
        {"Merkataritza azpizona:", Izquierda, 27, 155},
        {"Lurzoruaren oinarrizko balio eragingarria", Izquierda, 27, 160},
        {"BEM:", Izquierda, 79, 160},
        {"100.000", Centro, 98, 159.5},  // VRC box 87-109
        {"Eraikuntza kostua", Izquierda, 118, 160},
        {"EK:", Izquierda, 143, 160},
        {"Azalera mota:", Izquierda, 27, 174},
        {"Eraikia", Izquierda, 48, 173.5},
        {"Az. homogeneizatua", Izquierda, 113, 174},
        {"AH:", Izquierda, 142, 174},
        {"KL:", Izquierda, 59, 182},
        {"1,10", Centro, 71, 181.5},  // CL box 66-76
        {"Datuak:", Izquierda, 87, 182},
        {"(Bi kaletako ertza)", Izquierda, 99, 181.5},
        {"Balorazioaren emaitza:", Izquierda, 42, 192},
        {"Balioa ponentzia urtean", Izquierda, 27, 198},
        {"2025", Izquierda, 59, 198},
        {"= B = [ BEM * KL + (1,38 * EK + 0,38 * BEM * KL) ] * AH", Izquierda, 68, 198},
        {"18.837.000", Derecha, 174, 198},
        {"20.720.700", Derecha, 174, 208.5},
        {"Balio egiaztatua * Baloratu beharreko %", Izquierda, 66, 216},
        {"50,00", Centro, 126.5, 215.5},  // percentage box 119-134
        {"10.360.350", Derecha, 174, 215.5},
        {"Lurzoruaren balioa:", Izquierda, 119, 222},
        {"5.505.500", Derecha, 174, 221.5},
        {"Eraikuntzaren balioa:", Izquierda, 119, 227},
        {"4.854.850", Derecha, 174, 226.5},
        {"Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.", Izquierda, 27, 243},
    });
    // clang-format on
    // The ponencia-year label stands alone.
    EXPECT_FALSE(BuscarFrase(LeerPalabrasPdf(Pdf(true)), QStringLiteral("urtean =")).has_value());

    // The page frame 21-182 (nothing where the Spanish frame's right side is) and the grey
    // box 147-176 of the final value.
    const QImage pagina = PaginaPdf(Pdf(true), 300);
    const auto tinta = [&](double x, double y) {
        int gris = 255;
        for (double d = -0.3; d <= 0.3; d += 0.05)
            gris = std::min(gris, qGray(PixelPdf(pagina, x + d, y, 300)));
        return gris < 128;
    };
    EXPECT_TRUE(tinta(21, 247));
    EXPECT_TRUE(tinta(182, 247));
    EXPECT_FALSE(tinta(177, 247));
    EXPECT_EQ(qGray(PixelPdf(pagina, 175, 219.5, 300)), qGray(qRgb(0xAA, 0xAA, 0xAA)));
}

TEST_F(InformeLocal, WindowHasEveryControlTheTablesRead)
{
    Abrir();
    EXPECT_TRUE(ControlesAusentes(InformeLocalEs(), V()).isEmpty());
    EXPECT_TRUE(ControlesAusentes(InformeLocalEu(), V()).isEmpty());
}

}  // namespace
