// Timings of the street-front shop window (typology 4) on a copy of the demo database: an
// accepted entry to the redrawn window, a new portal (stretch and subzone value looked up) and
// the report printed to PDF. "--captura <folder>" then grabs the valued window to PNG files in
// both languages and currencies (ventana4_es_P.png ...) and prints both reports there.
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

Form* ventana = nullptr;

template <class T>
T* Ctl(const char* nombre)
{
    return ventana->findChild<T*>(QString::fromUtf8(nombre));
}

void Eventos()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The box gets the text; the time of leaving it (store, recompute, redraw) is returned.
double Salir(const char* caja, const QString& texto)
{
    auto* c = Ctl<CajaNum>(caja);
    Form::SetFocus(c);
    c->setTexto(texto);
    QElapsedTimer t;
    t.start();
    Form::SetFocus(Ctl<QWidget>("cmdDescripcion"));
    return t.nsecsElapsed() / 1e6;
}

void Elegir(const char* combo, const QString& item)
{
    auto* c = Ctl<ComboBox>(combo);
    for (int i = 0; i < c->ListCount(); ++i)
        if (c->List(i) == item)
            c->SetListIndex(i);
    Eventos();
}

void Valorar()
{
    Elegir("cmbp4mun", QStringLiteral("ALTZAGA"));
    Elegir("cmbp4cal", QStringLiteral("KALE NAGUSIA"));
    Salir("txtp4nup", QStringLiteral("3"));
    Ctl<CheckBox>("Chkp4cl2")->SetValue(1);
    Salir("txtp4sbu", QStringLiteral("120"));
}

void Informe(const QString& pdf)
{
    Printer::SetOutputPdfForTests(pdf);
    Ctl<QAbstractButton>("cmdimprimir")->click();
    Printer::SetOutputPdfForTests(QString());
}

void Medir(const char* que, int veces, const std::function<double(int)>& paso)
{
    std::vector<double> ms;
    for (int i = 0; i < veces; ++i)
        ms.push_back(paso(i));
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.3f ms, max %.3f ms over %d\n", que, ms[ms.size() / 2], ms.back(), veces);
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
    gDatosInicial().setP0_Tip(4);
    MsgBoxSeam::Install();
    Printer::SetPrinterCountForTests(1);

    ventana = VentanaTipologia(4)->form();
    const auto mostrar = [] {
        ventana->Show(false);
        ventana->activateWindow();
        QApplication::setActiveWindow(ventana);
        Eventos();
    };
    mostrar();
    Valorar();

    Medir("entry (surface) to redrawn window", 300,
          [](int i) { return Salir("txtp4sbu", i % 2 ? QStringLiteral("95") : QStringLiteral("96,5")); });
    Medir("new portal (subzone lookup) to redrawn window", 300,
          [](int i) { return Salir("txtp4nup", i % 2 ? QStringLiteral("3") : QStringLiteral("44")); });
    Medir("report to PDF", 5, [&dir](int i) {
        QElapsedTimer t;
        t.start();
        Informe(dir.filePath(QStringLiteral("informe%1.pdf").arg(i)));
        return t.nsecsElapsed() / 1e6;
    });
    std::printf("final value %s\n", qPrintable(Ctl<CajaNum>("txtp4vaf")->texto()));
    if (!MsgBoxSeam::Shown().isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(MsgBoxSeam::Shown().first().text));

    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromUtf8(argv[i]) != QLatin1String("--captura"))
            continue;
        const QDir destino(QString::fromUtf8(argv[i + 1]));
        for (const char* idioma : {"es", "eu"}) {
            ventana->Unload();
            gEntrada().setP_IDI(idioma[1] == 'u' ? QStringLiteral("E") : QStringLiteral("C"));
            gDatosInicial().InicializarTipologias();
            mostrar();
            Valorar();
            for (const char* moneda : {"P", "E"}) {
                Ctl<OptionButton>(moneda[0] == 'P' ? "optp4mon(0)" : "optp4mon(1)")->SetValue(true);
                Eventos();
                const QString png = destino.filePath(QStringLiteral("ventana4_%1_%2.png").arg(idioma, moneda));
                ventana->grab().save(png);
                std::printf("window grabbed to %s\n", qPrintable(png));
            }
            Informe(destino.filePath(QStringLiteral("informe4_%1.pdf").arg(idioma)));
        }
        break;
    }
    ventana->Unload();
    gConexion().SetRutaForTests(QString());
    return 0;
}
