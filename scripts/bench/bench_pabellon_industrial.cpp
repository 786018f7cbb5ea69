// Timings of the window of industrial buildings on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - another industrial zone chosen: its value looked up, then the redraw;
//  - the report printed to a PDF file.
// With "--captura <folder>" the valued window is then grabbed to PNG files in both languages and
// currencies (ventana9_es_P.png ...) and both reports printed there (informe9_es.pdf ...).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
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

// Median and maximum, in milliseconds, of `veces` runs of `paso`.
void Medir(const char* que, int veces, const std::function<void(int)>& paso)
{
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < veces; ++i) {
        t.start();
        paso(i);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.3f ms, max %.3f ms over %d runs\n", que, ms[ms.size() / 2], ms.back(), veces);
}

void Valorar(Form* w)
{
    auto* mun = Control<ComboBox>(w, "cmbp9mun");
    for (int i = 0; i < mun->ListCount(); ++i)
        if (mun->List(i) == QLatin1String("BEREZIBAR-ARRIETA"))
            mun->SetListIndex(i);
    auto* nui = Control<ComboBox>(w, "cmbp9nui");
    for (int i = 0; i < nui->ListCount(); ++i)
        if (nui->List(i) == QLatin1String("PI-02"))
            nui->SetListIndex(i);
    Control<OptionButton>(w, "optp9tsu(0)")->SetValue(true);
    QWidget* salida = w->findChild<QWidget*>(QStringLiteral("cmdDescripcion"));
    for (auto [caja, texto] : {std::pair{"txtp9antd1", "12"}, std::pair{"txtp9sbu", "90"}}) {
        Form::SetFocus(Control<CajaNum>(w, caja));
        Control<CajaNum>(w, caja)->setTexto(QString::fromLatin1(texto));
        Form::SetFocus(salida);
    }
    Eventos();
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
    gEntrada().setP_IDI(QStringLiteral("C"));
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    gDatosInicial().InicializarTipologias();
    gDatosInicial().setP0_Tip(9);
    MsgBoxSeam::Install();
    Printer::SetPrinterCountForTests(1);

    Form* w = VentanaTipologia(9)->form();
    const auto mostrar = [w] {
        w->Show(false);
        w->activateWindow();
        QApplication::setActiveWindow(w);
        Eventos();
        Valorar(w);
    };
    mostrar();

    auto* sbu = Control<CajaNum>(w, "txtp9sbu");
    QWidget* salida = w->findChild<QWidget*>(QStringLiteral("cmdDescripcion"));
    Medir("entry to redrawn window", 300, [&](int i) {
        Form::SetFocus(sbu);
        sbu->setTexto(i % 2 ? QStringLiteral("95") : QStringLiteral("96,5"));
        Form::SetFocus(salida);  // the leaving handler: store, SH, recompute, redraw
    });
    auto* nui = Control<ComboBox>(w, "cmbp9nui");
    Medir("new zone (value lookup) to redrawn window", 300, [&](int i) { nui->SetListIndex(i % 2); });
    auto* imprimir = w->findChild<QAbstractButton*>(QStringLiteral("cmdimprimir"));
    Medir("report to PDF", 5, [&](int i) {
        Printer::SetOutputPdfForTests(dir.filePath(QStringLiteral("informe%1.pdf").arg(i)));
        imprimir->click();
    });
    std::printf("final value %s\n", qPrintable(Control<CajaNum>(w, "txtp9vaf")->texto()));
    for (const ShownMessage& m : MsgBoxSeam::Shown())
        std::printf("unexpected message: %s\n", qPrintable(m.text));

    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromUtf8(argv[i]) != QLatin1String("--captura"))
            continue;
        const QDir destino(QString::fromUtf8(argv[i + 1]));
        for (const char* idioma : {"es", "eu"}) {
            w->Unload();
            gEntrada().setP_IDI(QLatin1String(idioma) == QLatin1String("eu") ? QStringLiteral("E") : QStringLiteral("C"));
            gDatosInicial().InicializarTipologias();
            mostrar();
            for (const char* moneda : {"P", "E"}) {
                Control<OptionButton>(w, *moneda == 'E' ? "optp9mon(1)" : "optp9mon(0)")->SetValue(true);
                Eventos();
                const QString png = destino.filePath(QStringLiteral("ventana9_%1_%2.png").arg(QLatin1String(idioma), QLatin1String(moneda)));
                w->grab().save(png);
                std::printf("window grabbed to %s\n", qPrintable(png));
            }
            Printer::SetOutputPdfForTests(destino.filePath(QStringLiteral("informe9_%1.pdf").arg(QLatin1String(idioma))));
            imprimir->click();
        }
        break;
    }
    w->Unload();
    gConexion().SetRutaForTests(QString());
    return 0;
}
