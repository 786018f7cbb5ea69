// Timings of the residential-zone office window on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - a new portal (zone lookup, zone row, chain) to the redrawn window;
//  - the report of the window printed to a PDF file.
// With "--captura <file.png> [E] [euros]" the valued window is then drawn into a picture
// (Basque and euros when asked), to be looked at.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/Globals.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "platform/Printer.h"
#include "platform/ProgramFolder.h"
#include "windows/VentanaTipologia.h"

namespace {

template <class T>
T* Control(QWidget* w, const char* nombre)
{
    return w->findChild<T*>(QString::fromUtf8(nombre));
}

void Eventos()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void Elegir(QWidget* w, const char* combo, const QString& item)
{
    auto* c = Control<ComboBox>(w, combo);
    Form::SetFocus(c);
    for (int i = 0; i < c->ListCount(); ++i)
        if (c->List(i) == item)
            c->SetListIndex(i);
    Eventos();
}

// Enters the box, writes the text and leaves it for the description button.
void Teclear(QWidget* w, const char* caja, const QString& texto)
{
    auto* c = Control<CajaNum>(w, caja);
    Form::SetFocus(c);
    c->setTexto(texto);
    Form::SetFocus(w->findChild<QWidget*>(QStringLiteral("cmdDescripcion")));
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of `n` runs of `paso`, each prepared by `antes` (not timed).
template <class Antes, class Paso>
std::vector<double> Medir(int n, Antes antes, Paso paso)
{
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        antes(i);
        t.start();
        paso(i);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetRegionalSeparators(QChar(','), QChar('.'));
    QTemporaryDir dir;
    const QString copia = dir.filePath(QStringLiteral("trebix.mdb"));
    if (!QFile::copy(ProgramFolder() + QStringLiteral("/Tablas/trebix.mdb"), copia)) {
        std::fprintf(stderr, "no demo database in %s/Tablas\n", qPrintable(ProgramFolder()));
        return 1;
    }
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
    if (!gConexion().AbrirRuta(copia))
        return 1;
    gEntrada().LeerT01();
    const QStringList args = QCoreApplication::arguments();
    const int captura = args.indexOf(QStringLiteral("--captura"));
    const QStringList opciones = captura >= 0 ? args.mid(captura + 2) : QStringList();
    gEntrada().setP_IDI(opciones.contains(QStringLiteral("E")) ? QStringLiteral("E") : QStringLiteral("C"));
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    gDatosInicial().InicializarTipologias();
    gDatosInicial().setP0_Tip(7);
    MsgBoxSeam::Install();

    Form* w = VentanaTipologia(7)->form();
    w->Show(false);
    w->activateWindow();
    QApplication::setActiveWindow(w);
    Eventos();

    Elegir(w, "cmbp7mun", QStringLiteral("ALTZAGA"));
    Elegir(w, "cmbp7cal", QStringLiteral("KALE NAGUSIA"));
    Teclear(w, "txtp7nup", QStringLiteral("3"));
    Control<CheckBox>(w, "Chkp7cl1")->SetValue(1);
    Teclear(w, "txtp7antd1", QStringLiteral("12"));
    Teclear(w, "txtp7sbu", QStringLiteral("90"));
    if (opciones.contains(QStringLiteral("euros")))
        Control<OptionButton>(w, "optp7mon(1)")->SetValue(true);
    const auto texto = [w](const char* caja) { return Control<CajaNum>(w, caja)->texto(); };
    QWidget* salida = w->findChild<QWidget*>(QStringLiteral("cmdDescripcion"));

    if (captura >= 0 && captura + 1 < args.size()) {
        Eventos();
        const bool ok = w->grab().save(args[captura + 1]);
        std::printf("window drawn into %s: %s (final value %s)\n", qPrintable(args[captura + 1]), ok ? "ok" : "failed",
                    qPrintable(texto("txtp7vaf")));
        w->Unload();
        gConexion().SetRutaForTests(QString());
        return ok ? 0 : 1;
    }

    // An accepted entry to the redrawn window.
    auto* sbu = Control<CajaNum>(w, "txtp7sbu");
    const auto entrada = Medir(
        300,
        [&](int i) {
            Form::SetFocus(sbu);
            sbu->setTexto(i % 2 ? QStringLiteral("95") : QStringLiteral("96,5"));
        },
        [&](int) { Form::SetFocus(salida); });  // the leaving handler: store, recompute, redraw
    std::printf("entry to redrawn window: median %.3f ms, max %.3f ms over %zu entries (final value %s)\n",
                Mediana(entrada), *std::max_element(entrada.begin(), entrada.end()), entrada.size(),
                qPrintable(texto("txtp7vaf")));

    // A new portal: the zone looked up, the zone row read, the chain, the redraw.
    auto* nup = Control<CajaNum>(w, "txtp7nup");
    const auto portal = Medir(
        300,
        [&](int i) {
            Form::SetFocus(nup);
            nup->setTexto(i % 2 ? QStringLiteral("3") : QStringLiteral("44"));
        },
        [&](int) { Form::SetFocus(salida); });
    std::printf("new portal (zone lookup) to redrawn window: median %.3f ms, max %.3f ms (zone %s)\n",
                Mediana(portal), *std::max_element(portal.begin(), portal.end()), qPrintable(texto("txtp7nur")));
    if (!MsgBoxSeam::Shown().isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(MsgBoxSeam::Shown().first().text));

    // The report printed to PDF.
    Printer::SetPrinterCountForTests(1);
    auto* imprimir = w->findChild<QAbstractButton*>(QStringLiteral("cmdimprimir"));
    const auto informe = Medir(
        5, [&](int i) { Printer::SetOutputPdfForTests(dir.filePath(QStringLiteral("informe%1.pdf").arg(i))); },
        [&](int) { imprimir->click(); });
    std::printf("report to PDF: median %.1f ms, max %.1f ms over %zu prints\n", Mediana(informe),
                *std::max_element(informe.begin(), informe.end()), informe.size());

    w->Unload();
    gConexion().SetRutaForTests(QString());
    return 0;
}
