// Layout of the window of a shop in a commercial building of an industrial zone: every control
// with its name, digit counts, pattern, display state and place; the tab order last.
#include "platform/CajaNum.h"
#include "platform/Option.h"
#include "typologies/commercial_industrial/Tipologia6.h"
#include "typologies/shared/DisenoVentana.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp6fecv", nullptr, 170, 10),
        // Location: municipality and industrial zone on the left, VRI and CC on the right.
        Marco("Frame1", nullptr, 8, 50, 984, 96),
        Etiqueta("Label1", "Frame1", 12, 28, 110),
        Lista("cmbp6mun", "Frame1", 126, 24, 290),
        Etiqueta("Label2", "Frame1", 12, 62, 110),
        Lista("cmbp6nui", "Frame1", 126, 58, 170),
        Etiqueta("Label3", "Frame1", 432, 28, 232),
        Etiqueta("Label5", "Frame1", 668, 28, 40),
        Muestra("txtp6vri", "Frame1", 712, 24, 130, 7, 2, "#,###,###"),
        Etiqueta("Label4", "Frame1", 432, 62, 232),
        Etiqueta("Label6", "Frame1", 668, 62, 40),
        Muestra("txtp6cco", "Frame1", 712, 58, 130, 6, 2, "###,###"),
        // Surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 152, 190, 78),
        Opcion("optp6tsu(0)", "Frame2", 12, 22, 170),
        Opcion("optp6tsu(1)", "Frame2", 12, 48, 170),
        Marco("Frame3", nullptr, 206, 152, 190, 78),
        Numero("txtp6sbu", "Frame3", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame4", nullptr, 8, 236, 388, 70),
        Etiqueta("Label7", "Frame4", 14, 32, 32),
        Muestra("txtp6sho", "Frame4", 50, 28, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame5", nullptr, 404, 152, 260, 154),
        Casilla("Chkp6cl1", "Frame5", 10, 34, 240),
        Etiqueta("Label8", "Frame5", 10, 104, 164),
        Etiqueta("Label9", "Frame5", 176, 104, 24),
        Marco("Frame10", "Frame5", 202, 92, 50, 40),
        Muestra("txtp6ccl", "Frame10", 4, 8, 42, 1, 2, "0.00"),
        // Age: both boxes visible side by side, the one of the mode enabled.
        Marco("Frame6", nullptr, 672, 152, 320, 154),
        Marco("Frame11", "Frame6", 8, 18, 304, 64),
        Opcion("optp6anttipo(0)", "Frame11", 6, 8, 292),
        Opcion("optp6anttipo(1)", "Frame11", 6, 34, 292),
        Numero("txtp6antd1", "Frame6", 16, 88, 70, 3, 0, "###"),
        Fecha("txtp6antd2", "Frame6", 166, 88),
        Etiqueta("Label10", "Frame6", 16, 124, 44),
        Muestra("txtp6ant", "Frame6", 62, 120, 50, 3, 0, "##0"),
        Etiqueta("Label11", "Frame6", 150, 124, 44),
        Muestra("txtp6dep", "Frame6", 196, 120, 70, 1, 4, "0.0000"),
        // Result of the valuation.
        Marco("Frame7", nullptr, 8, 312, 984, 262),
        Etiqueta("Label12", "Frame7", 12, 30, 160),
        Muestra("txtp6añop", "Frame7", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label13", "Frame7", 236, 30, 470),
        Etiqueta("Label25", "Frame7", 708, 30, 116),
        Muestra("txtp6vad", "Frame7", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label14", "Frame7", 12, 66, 560),
        Muestra("txtp6coa", "Frame7", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame7", 676, 66, 148),
        Muestra("txtp6vac", "Frame7", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label15", "Frame7", 12, 102, 560),
        Muestra("txtp6rp", "Frame7", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame7", 646, 102, 178),
        Muestra("txtp6vco", "Frame7", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame7", 12, 144, 152, true),
        Etiqueta("Label17", "Frame7", 168, 144, 404),
        Numero("txtp6pti", "Frame7", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame7", 656, 144, 168),
        Muestra("txtp6vaf", "Frame7", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label18", "Frame7", 600, 186, 224),
        Muestra("txtp6vsf", "Frame7", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label19", "Frame7", 600, 222, 224),
        Muestra("txtp6vcf", "Frame7", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame8", nullptr, 270, 580, 230, 50),
        Opcion("optp6mon(0)", "Frame8", 12, 20, 100),
        Opcion("optp6mon(1)", "Frame8", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia6::Disenar()
{
    resize(1000, 640);
    setMinimumSize(1000, 640);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 582));

    // Display boxes are out of the tab order; the age box of the other mode leaves it too.
    // clang-format off
    OrdenTabulacion(*this, {"txtp6fecv", "cmdDescripcion", "cmbp6mun", "cmbp6nui", "optp6tsu(0)", "optp6tsu(1)",
                            "txtp6sbu", "Chkp6cl1", "optp6anttipo(0)", "optp6anttipo(1)", "txtp6antd1", "txtp6antd2",
                            "txtp6pti", "optp6mon(0)", "optp6mon(1)", "cmdsalir", "cmdlimpiar", "cmdimprimir",
                            "cmdayuda"});
    // clang-format on
}
