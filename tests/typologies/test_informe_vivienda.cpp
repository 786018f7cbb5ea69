// The dwelling report in Spanish and in Basque: a window with the dwelling window's control
// names and captions, printed to PDF, its texts read back where the layout puts them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <map>
#include <memory>

#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/Printer.h"
#include "tests/support/PdfTexto.h"
#include "typologies/dwelling/InformeVivienda.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The dwelling window's controls that the report reads, showing a valuation.
std::unique_ptr<QWidget> VentanaVivienda(bool eu)
{
    auto w = std::make_unique<QWidget>();
    const int idioma = eu ? 10000 : 0;
    auto* fecha = new MaskEdBox(w.get());
    fecha->setObjectName(U("txtp1fecv"));
    fecha->SetMask(eu ? U("####/##/##") : U("##/##/####"));
    fecha->SetText(eu ? U("2003/10/27") : U("27/10/2003"));
    for (const char* nombre : {"cmbp1mun", "cmbp1cal"}) {
        auto* c = new ComboBox(w.get());
        c->setObjectName(U(nombre));
        c->AddItem(nombre == std::string("cmbp1mun") ? U("Erandio") : U("Kale Nagusia"));
        c->SetListIndex(0);
    }
    auto* nor = new QLineEdit(U("Centro Histórico"), w.get());
    nor->setObjectName(U("txtp1nor"));
    // clang-format off
    const std::map<const char*, const char*> cajas = {
        {"txtp1nup", "17"},          {"txtp1nur", "12"},          {"txtp1vrr", "30.000"},
        {"txtp1cco", "80.000"},      {"txtp1sbu", "85,50"},       {"txtp1sho", "93,1234"},
        {"txtp1ccl", "0,80"},        {"txtp1ant", "23"},          {"txtp1dep", "0,7700"},
        {"txtp1añop", "2003"},       {"txtp1vad", "12.345.678"},  {"txtp1coa", "1,040000"},
        {"txtp1vac", "12.839.505"},  {"txtp1rp", "0,50"},         {"txtp1vco", "6.419.753"},
        {"txtp1pti", "50,00"},       {"txtp1vaf", "3.209.876"},   {"txtp1vsf", "1.209.876"},
        {"txtp1vcf", "2.000.000"},
    };
    // clang-format on
    for (const auto& [nombre, texto] : cajas) {
        auto* c = new CajaNum(w.get());
        c->setObjectName(U(nombre));
        c->setTexto(U(texto));
    }
    // Captions in the window's language, as the window loads them.
    const std::map<const char*, int> rotulos = {
        {"Label1", 96},  {"Label2", 98},  {"Label3", 99},  {"Label4", 97},  {"Label6", 94},
        {"Label7", 93},  {"Label8", 92},  {"Label9", 79},  {"Label10", 86}, {"Label11", 87},
        {"Label12", 58}, {"Label13", 57}, {"Label14", 72}, {"Label15", 73}, {"Label16", 74},
        {"Label17", 71}, {"Label18", 69}, {"Label19", 70}, {"Label20", 68}, {"Label21", 67},
    };
    for (const auto& [nombre, id] : rotulos) {
        auto* l = new QLabel(LoadResString(idioma + id), w.get());
        l->setObjectName(U(nombre));
    }
    const std::map<const char*, int> marcos = {
        {"Frame2", 88}, {"Frame3", 75}, {"Frame5", 78}, {"Frame7", 54}, {"Frame8", 59}};
    for (const auto& [nombre, id] : marcos) {
        auto* g = new QGroupBox(LoadResString(idioma + id), w.get());
        g->setObjectName(U(nombre));
    }
    return w;
}

DatosInforme Datos(bool eu)
{
    DatosInforme d;
    d.etiquetas = {{U("sEtiquetaTVI"), eu ? U("Familianitzekoa") : U("Plurifamiliar")},
                   {U("sEtiquetaTSU"), eu ? U("Eraikia") : U("Construida")},
                   {U("sEtiquetaCL"), eu ? U("(Orokorra)") : U("(el general)")}};
    d.descripcion = QStringList{U("Piso tercero izquierda"), U(""), U(""), U("Referencia 4471-B")};
    QPixmap logo(75, 98);
    logo.fill(Qt::darkGreen);
    d.logo = logo;
    return d;
}

// Both pages are printed for each test into a folder of its own, removed with it.
class InformeVivienda : public ::testing::Test {
protected:
    QString Pdf(bool eu) const
    {
        return carpeta_.filePath(eu ? U("informe_vivienda_eu.pdf") : U("informe_vivienda_es.pdf"));
    }
    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        for (bool eu : {false, true}) {
            Printer::SetOutputPdfForTests(Pdf(eu));
            auto w = VentanaVivienda(eu);
            ImprimirInforme(eu ? InformeViviendaEu() : InformeViviendaEs(), *w, Datos(eu));
        }
        Printer::SetOutputPdfForTests(QString());
    }
    QTemporaryDir carpeta_;
};

TEST_F(InformeVivienda, SpanishPageHasItsTextsWhereTheLayoutPutsThem)
{
    // clang-format off
    ComprobarPosiciones(Pdf(false), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 35},
        {"Diputación Foral de Orvellan", Izquierda, 69, 40},
        {"Fiskalitaterako eta Finantzetarako Departamentua", Izquierda, 69, 52},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 57},
        {"Impuesto sobre Sucesiones y Donaciones", Centro, 99.5, 77},
        {"COMPROBACIÓN DE VALORES:", Izquierda, 64, 88},
        {"VIVIENDAS", Izquierda, 119, 87.5},
        {"Fecha de Valoración:", Izquierda, 72, 103.5},
        {"27/10/2003", Izquierda, 100, 103},
        {"Piso tercero izquierda", Izquierda, 37, 116},
        {"Referencia 4471-B", Izquierda, 37, 128},
        {"Municipio:", Izquierda, 27, 141},
        {"Calle, plaza:", Izquierda, 27, 145},
        {"Nº Portal:", Izquierda, 113, 145},
        {"17", Izquierda, 128, 144.5},
        {"Centro Histórico", Izquierda, 55, 148.5},
        {"VRR:", Izquierda, 76, 155},
        {"30.000", Centro, 95, 154.5},            // VRR box 84-106
        {"Coste de Construcción", Izquierda, 113, 155},
        {"80.000", Centro, 159, 154.5},           // CC box 149-169
        {"Plurifamiliar", Izquierda, 37, 168.5},
        {"Superficie homogeneizada", Izquierda, 107, 174},
        {"SH:", Izquierda, 142, 174},
        {"CL:", Izquierda, 55, 179},
        {"0,80", Centro, 67, 178.5},              // CL box 62-72
        {"(el general)", Izquierda, 97, 178.5},
        {"23", Centro, 47.5, 183.5},              // age, band 45-50
        {"Años", Izquierda, 55, 184},
        {"Valor en año ponencia =", Izquierda, 27, 198},
        {"2003", Izquierda, 58, 198},
        {"= V =", Izquierda, 67, 198},
        {"12.345.678", Derecha, 170, 198},
        {"0,50", Centro, 119.5, 208.5},           // RP box 112-127
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"Valor Comprobado * Porcentaje a valorar", Izquierda, 53, 216},
        {"50,00", Centro, 119.5, 215.5},          // percentage box 112-127
        {"3.209.876", Derecha, 170, 215.5},       // final value in the grey box
        {"Valor del suelo", Izquierda, 112, 222},
        {"Valor de la construcción", Izquierda, 112, 227},
        {"2.000.000", Derecha, 170, 226.5},
        {"Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
         Izquierda, 27, 243},
    });
    // clang-format on
}

TEST_F(InformeVivienda, BasquePageHasItsTextsWhereTheLayoutPutsThem)
{
    // clang-format off
    ComprobarPosiciones(Pdf(true), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 35},
        {"Diputación Foral de Orvellan", Izquierda, 69, 40},
        {"Fiskalitaterako eta Finantzetarako Departamentua", Izquierda, 69, 52},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 57},
        {"Oinordetza eta Dohaintzen gaineko Zerga", Centro, 99.5, 77},
        {"BALIO EGIAZTAPENA:", Izquierda, 69, 88},
        {"ETXEBIZITZAK", Izquierda, 109, 87.5},
        {"Balorazio data:", Izquierda, 77, 103.5},
        {"2003/10/27", Izquierda, 100, 103},
        {"Piso tercero izquierda", Izquierda, 37, 116},
        {"Udalerria:", Izquierda, 27, 141},
        {"Kalea, plaza:", Izquierda, 27, 145},
        {"Atari zk.:", Izquierda, 118, 145},
        {"17", Izquierda, 133, 144.5},
        {"BEE:", Izquierda, 79, 155},
        {"30.000", Centro, 98, 154.5},            // VRR box 87-109
        {"Eraikuntza kostua", Izquierda, 118, 155},
        {"Familianitzekoa", Izquierda, 52, 168.5},
        {"Az. homogeneizatua", Izquierda, 113, 174},
        {"AH:", Izquierda, 142, 174},
        {"KL:", Izquierda, 59, 179},
        {"0,80", Centro, 71, 178.5},              // CL box 66-76
        {"(Orokorra)", Izquierda, 99, 178.5},
        {"23", Centro, 50.5, 183.5},              // age, band 48-53
        {"Urte", Izquierda, 57, 184},
        {"Koefizientea (1-G):", Izquierda, 94, 184},
        {"Balioa ponentzia urtean=", Izquierda, 27, 198},
        {"2003", Izquierda, 59, 198},
        {"= B =", Izquierda, 68, 198},
        {"12.345.678", Derecha, 170, 198},
        {"AMAIERAKO BALIOA =", Izquierda, 27, 215.5},
        {"Balio egiaztatua * Baloratu beharreko %", Izquierda, 66, 216},
        {"50,00", Centro, 126.5, 215.5},          // percentage box 119-134
        {"3.209.876", Derecha, 170, 215.5},
        {"Lurzoruaren balioa:", Izquierda, 119, 222},
        {"Eraikuntzaren balioa:", Izquierda, 119, 227},
        {"2.000.000", Derecha, 170, 226.5},
        {"Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.", Izquierda, 27, 243},
    });
    // clang-format on
}

// Fonts in the layout's notation: A Arial, TNR Times New Roman, size, B bold, I italic, U underlined.
TEST_F(InformeVivienda, SpanishPageHasEveryTextInItsFont)
{
    // clang-format off
    ComprobarFuentes(Pdf(false), {
        {"Orvellanko Foru Aldundia", 35, "TNR 12 BI"},
        {"Departamento para la Fiscalidad y las Finanzas", 57, "TNR 12 BI"},
        {"Impuesto sobre Sucesiones y Donaciones", 77, "A 10"},
        {"COMPROBACIÓN DE VALORES:", 88, "A 9 U"},
        {"VIVIENDAS", 87.5, "A 11 B"},
        {"(Decreto Foral 6/1999, de 26 de enero", 95, "A 8"},
        {"Fecha de Valoración:", 103.5, "A 8"},
        {"27/10/2003", 103, "A 9 B"},
        {"Datos operación:", 111.5, "A 8 I"},
        {"Piso tercero izquierda", 116, "A 9"},
        {"Localización:", 136, "A 8 BIU"},
        {"Municipio:", 141, "A 8 I"},
        {"Erandio", 140.5, "A 9"},
        {"Nº Portal:", 145, "A 8 I"},
        {"Valor básico de repercusión del suelo", 155, "A 8 I"},
        {"VRR:", 155, "A 8 B"},
        {"30.000", 154.5, "A 9 B"},
        {"Coste de Construcción", 155, "A 8 I"},
        {"Datos necesarios:", 163, "A 8 BIU"},
        {"Plurifamiliar", 168.5, "A 9"},
        {"Superficie homogeneizada", 174, "A 8 I"},
        {"SH:", 174, "A 8 B"},
        {"Datos:", 179, "A 8 I"},
        {"(el general)", 178.5, "A 9 I"},
        {"23", 183.5, "A 9"},
        {"Años", 184, "A 8"},
        {"Coeficiente", 184, "A 8"},
        {"(1-D):", 184, "A 8 B"},
        {"Resultado de la valoración:", 192, "A 8 BIU"},
        {"Valor en año ponencia =", 198, "A 8 I"},
        {"2003", 198, "A 9"},
        {"= V =", 198, "A 8"},
        {"12.345.678", 198, "A 9"},
        {"1,040000", 203.5, "A 9 B"},
        {"VALOR FINAL =", 215.5, "A 9 B"},
        {"Valor Comprobado * Porcentaje a valorar", 216, "A 8 I"},
        {"3.209.876", 215.5, "A 9 B"},
        {"Valor del suelo", 222, "A 8"},
        {"1.209.876", 221.5, "A 9"},
        {"Importes calculados conforme", 235, "A 8"},
        {"Valores determinados exclusivamente", 243, "A 8"},
    });
    // clang-format on
}

TEST_F(InformeVivienda, BasquePageHasEveryTextInItsFont)
{
    // clang-format off
    ComprobarFuentes(Pdf(true), {
        {"Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga", 73, "A 10"},
        {"BALIO EGIAZTAPENA:", 88, "A 9 U"},
        {"ETXEBIZITZAK", 87.5, "A 11 B"},
        {"Balorazio data:", 103.5, "A 8"},
        {"2003/10/27", 103, "A 9 B"},
        {"Eragiketa datuak:", 111.5, "A 8 I"},
        {"Kokalekua:", 136, "A 8 BIU"},
        {"Kalea, plaza:", 145, "A 8 I"},
        {"Atari zk.:", 145, "A 8 I"},
        {"Lurzoruaren oinarrizko balio eragingarria", 155, "A 8 I"},
        {"Eraikuntza kostua", 155, "A 8 I"},
        {"Beharrezko datuak:", 163, "A 8 BIU"},
        {"(Orokorra)", 178.5, "A 9 I"},
        {"Koefizientea", 184, "A 8"},
        {"Balorazioaren emaitza:", 192, "A 8 BIU"},
        {"Balioa ponentzia urtean=", 198, "A 8 I"},
        {"AMAIERAKO BALIOA =", 215.5, "A 9 B"},
        {"Lurzoruaren balioa:", 222, "A 8"},
        {"Eraikuntzaren balioa:", 227, "A 8"},
        {"Aipatu zergetan egiaztapen fiskala", 243, "A 8"},
    });
    // clang-format on
}

TEST_F(InformeVivienda, FixtureHasEveryControlTheTablesRead)
{
    for (bool eu : {false, true}) {
        auto w = VentanaVivienda(eu);
        EXPECT_TRUE(ControlesAusentes(eu ? InformeViviendaEu() : InformeViviendaEs(), *w).isEmpty()) << eu;
    }
}

}  // namespace
