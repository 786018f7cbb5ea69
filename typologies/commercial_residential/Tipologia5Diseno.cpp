// Layout of the window of a shop in a commercial building of a residential zone: every
// control with its name, digit counts, pattern, display state and place; the tab order last.
#include "typologies/shared/DisenoVentana.h"
#include "platform/Option.h"
#include "typologies/commercial_residential/Tipologia5.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp5fecv", nullptr, 170, 10),
        // Location, subzone, VRC and CC.
        Marco("Frame1", nullptr, 8, 50, 984, 152),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp5mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp5cal", "Frame1", 110, 58, 300),
        Etiqueta("Label3", "Frame1", 430, 62, 135),
        Numero("txtp5nup", "Frame1", 570, 58, 60, 3, 0, "###"),
        Etiqueta("Label4", "Frame1", 12, 96, 135),
        Texto("txtp5nus", "Frame1", 150, 92, 80),
        Etiqueta("Label5", "Frame1", 430, 96, 230),
        Etiqueta("Label7", "Frame1", 665, 96, 40),
        Muestra("txtp5vrc", "Frame1", 710, 92, 130, 7, 2, "#,###,###"),
        Etiqueta("Label6", "Frame1", 430, 122, 230),
        Etiqueta("Label8", "Frame1", 665, 122, 40),
        Muestra("txtp5cco", "Frame1", 710, 118, 130, 6, 2, "###,###"),
        // Surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 208, 190, 78),
        Opcion("optp5tsu(0)", "Frame2", 12, 22, 170),
        Opcion("optp5tsu(1)", "Frame2", 12, 48, 170),
        Marco("Frame3", nullptr, 206, 208, 190, 78),
        Numero("txtp5sbu", "Frame3", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame4", nullptr, 8, 292, 388, 78),
        Etiqueta("Label9", "Frame4", 14, 36, 32),
        Muestra("txtp5sho", "Frame4", 50, 32, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame5", nullptr, 404, 208, 290, 162),
        Casilla("Chkp5cl1", "Frame5", 10, 34, 270),
        Etiqueta("Label10", "Frame5", 10, 110, 158),
        Etiqueta("Label11", "Frame5", 170, 110, 22),
        Marco("Frame10", "Frame5", 186, 98, 100, 40),
        Muestra("txtp5ccl", "Frame10", 10, 8, 80, 1, 2, "0.00"),
        // Age: both boxes shown side by side, the one of the mode enabled.
        Marco("Frame6", nullptr, 702, 208, 290, 162),
        Marco("Frame11", "Frame6", 8, 18, 274, 64),
        Opcion("optp5anttipo(0)", "Frame11", 6, 8, 264),
        Opcion("optp5anttipo(1)", "Frame11", 6, 34, 264),
        Numero("txtp5antd1", "Frame6", 16, 90, 80, 3, 0, "###"),
        Fecha("txtp5antd2", "Frame6", 164, 90),
        Etiqueta("Label12", "Frame6", 16, 128, 44),
        Muestra("txtp5ant", "Frame6", 62, 124, 50, 3, 0, "##0"),
        Etiqueta("Label13", "Frame6", 124, 128, 44),
        Muestra("txtp5dep", "Frame6", 170, 124, 70, 1, 4, "0.0000"),
        // Result of the valuation.
        Marco("Frame7", nullptr, 8, 376, 984, 262),
        Etiqueta("Label14", "Frame7", 12, 30, 160),
        Muestra("txtp5añop", "Frame7", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label15", "Frame7", 236, 30, 470),
        Etiqueta("Label25", "Frame7", 708, 30, 116),
        Muestra("txtp5vad", "Frame7", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame7", 12, 66, 560),
        Muestra("txtp5coa", "Frame7", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame7", 676, 66, 148),
        Muestra("txtp5vac", "Frame7", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label17", "Frame7", 12, 102, 560),
        Muestra("txtp5rp", "Frame7", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame7", 646, 102, 178),
        Muestra("txtp5vco", "Frame7", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label18", "Frame7", 12, 144, 152, true),
        Etiqueta("Label19", "Frame7", 168, 144, 404),
        Numero("txtp5pti", "Frame7", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame7", 656, 144, 168),
        Muestra("txtp5vaf", "Frame7", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label20", "Frame7", 600, 186, 224),
        Muestra("txtp5vsf", "Frame7", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label21", "Frame7", 600, 222, 224),
        Muestra("txtp5vcf", "Frame7", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame8", nullptr, 270, 644, 230, 50),
        Opcion("optp5mon(0)", "Frame8", 12, 20, 100),
        Opcion("optp5mon(1)", "Frame8", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia5::Disenar()
{
    resize(1000, 700);
    setMinimumSize(1000, 700);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 646));

    Chkp5cl1 = findChild<CheckBox*>(QStringLiteral("Chkp5cl1"));

    // Display boxes are out of the tab order.
    // clang-format off
    OrdenTabulacion(*this, {"txtp5fecv", "cmdDescripcion", "cmbp5mun", "cmbp5cal", "txtp5nup", "optp5tsu(0)",
                            "optp5tsu(1)", "txtp5sbu", "Chkp5cl1", "optp5anttipo(0)", "optp5anttipo(1)", "txtp5antd1",
                            "txtp5antd2", "txtp5pti", "optp5mon(0)", "optp5mon(1)", "cmdsalir", "cmdlimpiar",
                            "cmdimprimir", "cmdayuda"});
    // clang-format on
}
