// Timings of the window of a shop in a commercial building of a residential zone on a copy of
// the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - a new portal: the stretch and the subzone's value looked up, then the redraw;
//  - the report of the window printed to a PDF file.
// With "--captura <folder>" the valued window is then grabbed to PNG files in both languages and
// currencies (ventana5_es_P.png ...) and both reports printed there, to be looked at.
#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BancoVentana b(5);
    if (!b.ok())
        return 1;
    Form* w = b.w();
    const auto valorar = [w] {
        Elegir(w, "cmbp5mun", QStringLiteral("ALTZAGA"));
        Elegir(w, "cmbp5cal", QStringLiteral("KALE NAGUSIA"));
        Teclear(w, "txtp5nup", QStringLiteral("3"));
        Control<OptionButton>(w, "optp5tsu(0)")->SetValue(true);
        Teclear(w, "txtp5antd1", QStringLiteral("12"));
        Teclear(w, "txtp5sbu", QStringLiteral("90"));
    };
    valorar();

    const auto entrada = b.MedirSalidas("txtp5sbu", 300, QStringLiteral("95"), QStringLiteral("96,5"));
    Imprimir("entry to redrawn window", entrada, "entries", b.ValorFinal("txtp5vaf"));
    // A new portal: stretch, subzone and its value looked up, then the redraw.
    Imprimir("new portal (subzone lookup) to redrawn window",
             b.MedirSalidas("txtp5nup", 300, QStringLiteral("3"), QStringLiteral("44")), "portals");
    BancoVentana::AvisarMensajes();

    b.ImprimirInformes(5);
    b.Capturas(argc, argv, valorar);
    return 0;
}
