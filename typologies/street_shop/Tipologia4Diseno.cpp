// Layout of the street-front shop window: every control with its name, digit counts, pattern,
// display state and place; the tab order last.
#include "typologies/shared/DisenoVentana.h"
#include "typologies/street_shop/Tipologia4.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp4fecv", nullptr, 170, 10),
        // Location, commercial subzone, VRC and CC.
        Marco("Frame1", nullptr, 8, 50, 984, 152),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp4mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp4cal", "Frame1", 110, 58, 300),
        Etiqueta("Label3", "Frame1", 430, 62, 135),
        Numero("txtp4nup", "Frame1", 570, 58, 60, 3, 0, "###"),
        Etiqueta("Label4", "Frame1", 12, 96, 150),
        Texto("txtp4nus", "Frame1", 166, 92, 90),
        Etiqueta("Label5", "Frame1", 430, 96, 230),
        Etiqueta("Label7", "Frame1", 665, 96, 40),
        Muestra("txtp4vrc", "Frame1", 710, 92, 130, 7, 2, "#,###,###"),
        Etiqueta("Label6", "Frame1", 430, 122, 230),
        Etiqueta("Label8", "Frame1", 665, 122, 40),
        Muestra("txtp4cco", "Frame1", 710, 118, 130, 6, 2, "###,###"),
        // Surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 208, 190, 162),
        Opcion("optp4tsu(0)", "Frame2", 12, 48, 170),
        Opcion("optp4tsu(1)", "Frame2", 12, 90, 170),
        Marco("Frame3", nullptr, 206, 208, 190, 78),
        Numero("txtp4sbu", "Frame3", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame4", nullptr, 206, 292, 190, 78),
        Etiqueta("Label9", "Frame4", 14, 36, 32),
        Muestra("txtp4sho", "Frame4", 50, 32, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame6", nullptr, 404, 208, 588, 162),
        Casilla("Chkp4cl1", "Frame6", 10, 34, 300),
        Casilla("Chkp4cl2", "Frame6", 10, 64, 300),
        Etiqueta("Label10", "Frame6", 10, 114, 210),
        Etiqueta("Label11", "Frame6", 222, 114, 26),
        Marco("Frame10", "Frame6", 250, 102, 100, 40),
        Muestra("txtp4ccl", "Frame10", 10, 8, 80, 1, 2, "0.00"),
        // Result of the valuation.
        Marco("Frame7", nullptr, 8, 376, 984, 262),
        Etiqueta("Label14", "Frame7", 12, 30, 160),
        Muestra("txtp4añop", "Frame7", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label15", "Frame7", 236, 30, 470),
        Etiqueta("Label25", "Frame7", 708, 30, 116),
        Muestra("txtp4vad", "Frame7", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame7", 12, 66, 560),
        Muestra("txtp4coa", "Frame7", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame7", 676, 66, 148),
        Muestra("txtp4vac", "Frame7", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label17", "Frame7", 12, 102, 560),
        Muestra("txtp4rp", "Frame7", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame7", 646, 102, 178),
        Muestra("txtp4vco", "Frame7", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label18", "Frame7", 12, 144, 152, true),
        Etiqueta("Label19", "Frame7", 168, 144, 404),
        Numero("txtp4pti", "Frame7", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame7", 656, 144, 168),
        Muestra("txtp4vaf", "Frame7", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label20", "Frame7", 600, 186, 224),
        Muestra("txtp4vsf", "Frame7", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label21", "Frame7", 600, 222, 224),
        Muestra("txtp4vcf", "Frame7", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame8", nullptr, 270, 644, 230, 50),
        Opcion("optp4mon(0)", "Frame8", 12, 20, 100),
        Opcion("optp4mon(1)", "Frame8", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia4::Disenar()
{
    resize(1000, 700);
    setMinimumSize(1000, 700);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 646));

    // Display boxes are out of the tab order; the summary box is in it here.
    // clang-format off
    OrdenTabulacion(*this, {"txtp4fecv", "txtdescrip", "cmdDescripcion", "cmbp4mun", "cmbp4cal", "txtp4nup",
                            "optp4tsu(0)", "optp4tsu(1)", "txtp4sbu", "Chkp4cl1", "Chkp4cl2", "txtp4pti",
                            "optp4mon(0)", "optp4mon(1)", "cmdsalir", "cmdlimpiar", "cmdimprimir", "cmdayuda"});
    // clang-format on
}
