// Timings of the street-front shop window (typology 4) on a copy of the demo database: an
// accepted entry to the redrawn window, a new portal (stretch and subzone value looked up) and
// the report printed to PDF. "--captura <folder>" then grabs the valued window to PNG files in
// both languages and currencies (ventana4_es_P.png ...) and prints both reports there.
#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BancoVentana b(4);
    if (!b.ok())
        return 1;
    Form* w = b.w();
    const auto valorar = [w] {
        Elegir(w, "cmbp4mun", QStringLiteral("ALTZAGA"));
        Elegir(w, "cmbp4cal", QStringLiteral("KALE NAGUSIA"));
        Teclear(w, "txtp4nup", QStringLiteral("3"));
        Control<CheckBox>(w, "Chkp4cl2")->SetValue(1);
        Teclear(w, "txtp4sbu", QStringLiteral("120"));
    };
    valorar();

    Imprimir("entry (surface) to redrawn window",
             b.MedirSalidas("txtp4sbu", 300, QStringLiteral("95"), QStringLiteral("96,5")), "entries");
    Imprimir("new portal (subzone lookup) to redrawn window",
             b.MedirSalidas("txtp4nup", 300, QStringLiteral("3"), QStringLiteral("44")), "portals");
    Imprimir("report to PDF", b.MedirInformes(5), "prints");
    std::printf("final value %s\n", qPrintable(Texto(w, "txtp4vaf")));
    BancoVentana::AvisarMensajes();

    b.Capturas(argc, argv, valorar);
    return 0;
}
