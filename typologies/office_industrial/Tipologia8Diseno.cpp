// Layout of the window of offices in an industrial zone: every control with its name, digit
// counts, pattern, display state and place; the tab order last.
#include "platform/CajaNum.h"
#include "platform/Option.h"
#include "typologies/office_industrial/Tipologia8.h"
#include "typologies/shared/DisenoVentana.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp8fecv", nullptr, 170, 10),
        // Location: municipality, industrial zone, zone value and construction cost.
        Marco("Frame1", nullptr, 8, 50, 984, 96),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp8mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp8nui", "Frame1", 110, 58, 160),
        Etiqueta("Label3", "Frame1", 430, 28, 230),
        Etiqueta("Label5", "Frame1", 665, 28, 40),
        Muestra("txtp8vri", "Frame1", 710, 24, 130, 7, 2, "#,###,###"),
        Etiqueta("Label4", "Frame1", 430, 62, 230),
        Etiqueta("Label6", "Frame1", 665, 62, 40),
        Muestra("txtp8cco", "Frame1", 710, 58, 130, 6, 2, "###,###"),
        // Surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 152, 190, 78),
        Opcion("optp8tsu(0)", "Frame2", 12, 22, 170),
        Opcion("optp8tsu(1)", "Frame2", 12, 48, 170),
        Marco("Frame3", nullptr, 206, 152, 190, 78),
        Numero("txtp8sbu", "Frame3", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame4", nullptr, 8, 236, 388, 70),
        Etiqueta("Label7", "Frame4", 14, 32, 32),
        Muestra("txtp8sho", "Frame4", 50, 28, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame5", nullptr, 404, 152, 250, 154),
        Casilla("Chkp8cl1", "Frame5", 10, 34, 230),
        Etiqueta("Label8", "Frame5", 10, 104, 158),
        Etiqueta("Label9", "Frame5", 170, 104, 24),
        Marco("Frame10", "Frame5", 196, 92, 48, 40),
        Muestra("txtp8ccl", "Frame10", 4, 8, 40, 1, 2, "0.00"),
        // Age: the two age boxes side by side, the one of the mode enabled.
        Marco("Frame6", nullptr, 662, 152, 330, 154),
        Marco("Frame11", "Frame6", 8, 18, 314, 64),
        Opcion("optp8anttipo(0)", "Frame11", 6, 8, 300),
        Opcion("optp8anttipo(1)", "Frame11", 6, 34, 300),
        Numero("txtp8antd1", "Frame6", 16, 88, 70, 3, 0, "###"),
        Fecha("txtp8antd2", "Frame6", 170, 88),
        Etiqueta("Label10", "Frame6", 16, 124, 44),
        Muestra("txtp8ant", "Frame6", 62, 120, 50, 3, 0, "##0"),
        Etiqueta("Label11", "Frame6", 150, 124, 44),
        Muestra("txtp8dep", "Frame6", 196, 120, 70, 1, 4, "0.0000"),
        // Result of the valuation.
        Marco("Frame7", nullptr, 8, 312, 984, 262),
        Etiqueta("Label12", "Frame7", 12, 30, 160),
        Muestra("txtp8añop", "Frame7", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label13", "Frame7", 236, 30, 470),
        Etiqueta("Label25", "Frame7", 708, 30, 116),
        Muestra("txtp8vad", "Frame7", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label14", "Frame7", 12, 66, 560),
        Muestra("txtp8coa", "Frame7", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame7", 676, 66, 148),
        Muestra("txtp8vac", "Frame7", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label15", "Frame7", 12, 102, 560),
        Muestra("txtp8rp", "Frame7", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame7", 646, 102, 178),
        Muestra("txtp8vco", "Frame7", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame7", 12, 144, 152, true),
        Etiqueta("Label17", "Frame7", 168, 144, 404),
        Numero("txtp8pti", "Frame7", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame7", 656, 144, 168),
        Muestra("txtp8vaf", "Frame7", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label18", "Frame7", 600, 186, 224),
        Muestra("txtp8vsf", "Frame7", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label19", "Frame7", 600, 222, 224),
        Muestra("txtp8vcf", "Frame7", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame8", nullptr, 270, 580, 230, 50),
        Opcion("optp8mon(0)", "Frame8", 12, 20, 100),
        Opcion("optp8mon(1)", "Frame8", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia8::Disenar()
{
    resize(1000, 640);
    setMinimumSize(1000, 640);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 582));

    // Display boxes are out of the tab order; the age box of the other mode leaves it too.
    // clang-format off
    OrdenTabulacion(*this, {"txtp8fecv", "cmdDescripcion", "cmbp8mun", "cmbp8nui", "optp8tsu(0)", "optp8tsu(1)",
                            "txtp8sbu", "Chkp8cl1", "optp8anttipo(0)", "optp8anttipo(1)", "txtp8antd1", "txtp8antd2",
                            "txtp8pti", "optp8mon(0)", "optp8mon(1)", "cmdsalir", "cmdlimpiar", "cmdimprimir",
                            "cmdayuda"});
    // clang-format on
}
