// Layout of the residential-zone office window: every control with its name, digit counts,
// pattern, display state and place; the tab order last.
#include "platform/CajaNum.h"
#include "platform/Option.h"
#include "typologies/office_residential/Tipologia7.h"
#include "typologies/shared/DisenoVentana.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp7fecv", nullptr, 170, 10),
        // Location.
        Marco("Frame1", nullptr, 8, 50, 984, 152),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp7mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp7cal", "Frame1", 110, 58, 300),
        Etiqueta("Label3", "Frame1", 430, 62, 135),
        Numero("txtp7nup", "Frame1", 570, 58, 60, 3, 0, "###"),
        Etiqueta("Label4", "Frame1", 12, 96, 95),
        Muestra("txtp7nur", "Frame1", 110, 92, 50, 3, 0, "###"),
        Texto("txtp7nor", "Frame1", 166, 92, 244),
        Etiqueta("Label5", "Frame1", 430, 96, 230),
        Etiqueta("Label7", "Frame1", 665, 96, 40),
        Muestra("txtp7vrr", "Frame1", 710, 92, 130, 7, 2, "#,###,###"),
        Etiqueta("Label6", "Frame1", 430, 122, 230),
        Etiqueta("Label8", "Frame1", 665, 122, 40),
        Muestra("txtp7cco", "Frame1", 710, 118, 130, 6, 2, "###,###"),
        // Surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 208, 190, 162),
        Opcion("optp7tsu(0)", "Frame2", 12, 50, 170),
        Opcion("optp7tsu(1)", "Frame2", 12, 96, 170),
        Marco("Frame3", nullptr, 206, 208, 190, 78),
        Numero("txtp7sbu", "Frame3", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame4", nullptr, 206, 292, 190, 78),
        Etiqueta("Label9", "Frame4", 14, 36, 32),
        Muestra("txtp7sho", "Frame4", 50, 32, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame5", nullptr, 404, 208, 290, 162),
        Casilla("Chkp7cl1", "Frame5", 10, 34, 270),
        Etiqueta("Label10", "Frame5", 10, 110, 158),
        Etiqueta("Label11", "Frame5", 170, 110, 22),
        Marco("Frame9", "Frame5", 196, 98, 86, 40),
        Muestra("txtp7ccl", "Frame9", 8, 8, 70, 1, 2, "0.00"),
        // Age: both boxes shown, the one of the mode enabled.
        Marco("Frame6", nullptr, 702, 208, 290, 162),
        Marco("Frame10", "Frame6", 8, 18, 274, 64),
        Opcion("optp7anttipo(0)", "Frame10", 6, 8, 264),
        Opcion("optp7anttipo(1)", "Frame10", 6, 34, 264),
        Numero("txtp7antd1", "Frame6", 16, 90, 80, 3, 0, "###"),
        Fecha("txtp7antd2", "Frame6", 164, 90),
        Etiqueta("Label12", "Frame6", 16, 128, 44),
        Muestra("txtp7ant", "Frame6", 62, 124, 50, 3, 0, "##0"),
        Etiqueta("Label13", "Frame6", 124, 128, 44),
        Muestra("txtp7dep", "Frame6", 170, 124, 70, 1, 4, "0.0000"),
        // Result of the valuation.
        Marco("Frame7", nullptr, 8, 376, 984, 262),
        Etiqueta("Label14", "Frame7", 12, 30, 160),
        Muestra("txtp7añop", "Frame7", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label15", "Frame7", 236, 30, 470),
        Etiqueta("Label25", "Frame7", 708, 30, 116),
        Muestra("txtp7vad", "Frame7", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame7", 12, 66, 560),
        Muestra("txtp7coa", "Frame7", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame7", 676, 66, 148),
        Muestra("txtp7vac", "Frame7", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label17", "Frame7", 12, 102, 560),
        Muestra("txtp7rp", "Frame7", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame7", 646, 102, 178),
        Muestra("txtp7vco", "Frame7", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label18", "Frame7", 12, 144, 152, true),
        Etiqueta("Label19", "Frame7", 168, 144, 404),
        Numero("txtp7pti", "Frame7", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame7", 656, 144, 168),
        Muestra("txtp7vaf", "Frame7", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label20", "Frame7", 600, 186, 224),
        Muestra("txtp7vsf", "Frame7", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label21", "Frame7", 600, 222, 224),
        Muestra("txtp7vcf", "Frame7", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame8", nullptr, 270, 644, 230, 50),
        Opcion("optp7mon(0)", "Frame8", 12, 20, 100),
        Opcion("optp7mon(1)", "Frame8", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia7::Disenar()
{
    resize(1000, 700);
    setMinimumSize(1000, 700);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 646));

    Chkp7cl1 = findChild<CheckBox*>(QStringLiteral("Chkp7cl1"));

    // The dwelling's order without the class and three situation boxes; display boxes are
    // out of the tab order.
    // clang-format off
    OrdenTabulacion(*this, {"txtp7fecv", "cmdDescripcion", "cmbp7mun", "cmbp7cal", "txtp7nup", "optp7tsu(0)",
                            "optp7tsu(1)", "txtp7sbu", "Chkp7cl1", "optp7anttipo(0)", "optp7anttipo(1)",
                            "txtp7antd1", "txtp7antd2", "txtp7pti", "optp7mon(0)", "optp7mon(1)", "cmdsalir",
                            "cmdlimpiar", "cmdimprimir", "cmdayuda"});
    // clang-format on
}
