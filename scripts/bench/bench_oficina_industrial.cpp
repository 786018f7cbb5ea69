// Timings of the window of offices in an industrial zone on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - another industrial zone chosen: its value looked up, then the redraw;
//  - the report of the window printed to a PDF file.
// With "--captura <folder>" the valued window is then grabbed to PNG files in both languages and
// currencies (ventana8_es_P.png ...) and both reports printed there, to be looked at.
#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BancoVentana b(8);
    if (!b.ok())
        return 1;
    Form* w = b.w();
    const auto valorar = [w] {
        Elegir(w, "cmbp8mun", QStringLiteral("BEREZIBAR-ARRIETA"));
        Elegir(w, "cmbp8nui", QStringLiteral("PI-02"));
        Control<OptionButton>(w, "optp8tsu(0)")->SetValue(true);
        Teclear(w, "txtp8antd1", QStringLiteral("12"));
        Teclear(w, "txtp8sbu", QStringLiteral("90"));
    };
    valorar();

    // An accepted entry: store, SH, recompute, redraw.
    const auto entrada = b.MedirSalidas("txtp8sbu", 300, QStringLiteral("95"), QStringLiteral("96,5"));
    Imprimir("entry to redrawn window", entrada, "entries", b.ValorFinal("txtp8vaf"));
    // Another zone: the Click stores it, looks the value up, recomputes and redraws.
    auto* nui = Control<ComboBox>(w, "cmbp8nui");
    const auto zona = Medir(300, [&](int i) { nui->SetListIndex(i % 2); });
    Imprimir("new zone (value lookup) to redrawn window", zona, "zones");
    BancoVentana::AvisarMensajes();

    b.ImprimirInformes(5);
    b.Capturas(argc, argv, valorar);
    return 0;
}
