// Timings of the residential-zone office window on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - a new portal (zone lookup, zone row, chain) to the redrawn window;
//  - the report of the window printed to a PDF file.
// With "--captura <file.png> [E] [euros]" the valued window is then drawn into a picture
// (Basque and euros when asked), to be looked at.
#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype captura = args.indexOf(QStringLiteral("--captura"));
    const QStringList opciones = captura >= 0 ? args.mid(captura + 2) : QStringList();
    BancoVentana b(7, opciones.contains(QStringLiteral("E")) ? QStringLiteral("E") : QStringLiteral("C"));
    if (!b.ok())
        return 1;
    Form* w = b.w();
    Elegir(w, "cmbp7mun", QStringLiteral("ALTZAGA"));
    Elegir(w, "cmbp7cal", QStringLiteral("KALE NAGUSIA"));
    Teclear(w, "txtp7nup", QStringLiteral("3"));
    Control<CheckBox>(w, "Chkp7cl1")->SetValue(1);
    Teclear(w, "txtp7antd1", QStringLiteral("12"));
    Teclear(w, "txtp7sbu", QStringLiteral("90"));
    if (opciones.contains(QStringLiteral("euros")))
        Control<OptionButton>(w, "optp7mon(1)")->SetValue(true);

    if (captura >= 0 && captura + 1 < args.size()) {
        Eventos();
        const bool ok = w->grab().save(args[captura + 1]);
        std::printf("window drawn into %s: %s (final value %s)\n", qPrintable(args[captura + 1]), ok ? "ok" : "failed",
                    qPrintable(Texto(w, "txtp7vaf")));
        return ok ? 0 : 1;
    }

    // The leaving handler: store, recompute, redraw.
    const auto entrada = b.MedirSalidas("txtp7sbu", 300, QStringLiteral("95"), QStringLiteral("96,5"));
    Imprimir("entry to redrawn window", entrada, "entries", b.ValorFinal("txtp7vaf"));
    // A new portal: the zone looked up, the zone row read, the chain, the redraw.
    const auto portal = b.MedirSalidas("txtp7nup", 300, QStringLiteral("3"), QStringLiteral("44"));
    Imprimir("new portal (zone lookup) to redrawn window", portal, "portals",
             QStringLiteral(" (zone %1)").arg(Texto(w, "txtp7nur")));
    BancoVentana::AvisarMensajes();

    b.ImprimirInformes(5);
    return 0;
}
