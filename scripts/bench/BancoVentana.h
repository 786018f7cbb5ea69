#pragma once
// What the window benchmarks share: a typology window opened on a copy of the demo database
// (Spanish or Basque, pesetas, valuation date 01/01/2025, one printer, message boxes recorded),
// the controls driven by name, timing loops with their median and maximum printed, the report
// printed to PDF, and "--captura <folder>" grabbing the valued window in both languages and
// currencies. Header-only: each bench_*.cpp is a program of its own.
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

namespace banco {

template <class T = QWidget>
T* Control(QWidget* w, const char* nombre)
{
    return w->findChild<T*>(QString::fromUtf8(nombre));
}

inline void Eventos()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Selects the entry of the list with that text, as a click on it does.
inline void Elegir(QWidget* w, const char* combo, const QString& item)
{
    auto* c = Control<ComboBox>(w, combo);
    Form::SetFocus(c);
    for (int i = 0; i < c->ListCount(); ++i)
        if (c->List(i) == item)
            c->SetListIndex(i);
    Eventos();
}

// Enters the box, writes the text and leaves it for the description button (its leaving
// handler runs).
inline void Teclear(QWidget* w, const char* caja, const QString& texto)
{
    auto* c = Control<CajaNum>(w, caja);
    Form::SetFocus(c);
    c->setTexto(texto);
    Form::SetFocus(Control(w, "cmdDescripcion"));
}

// What a numeric box shows.
inline QString Texto(QWidget* w, const char* caja) { return Control<CajaNum>(w, caja)->texto(); }

inline double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double Maximo(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

// Milliseconds of `n` runs of `paso`, each prepared by `antes` (not timed).
inline std::vector<double> Medir(int n, const std::function<void(int)>& antes, const std::function<void(int)>& paso)
{
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        antes(i);
        t.start();
        paso(i);
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return ms;
}

inline std::vector<double> Medir(int n, const std::function<void(int)>& paso)
{
    return Medir(
        n, [](int) {}, paso);
}

// "<que>: median M ms, max X ms over N <unidades><cola>", with `decimales` decimals.
inline void Imprimir(const char* que, const std::vector<double>& ms, const char* unidades, const QString& cola = {},
                     int decimales = 3)
{
    std::printf("%s: median %.*f ms, max %.*f ms over %zu %s%s\n", que, decimales, Mediana(ms), decimales, Maximo(ms),
                ms.size(), unidades, qPrintable(cola));
}

// The typology window `n` on a copy of the demo database; ok() false (with a line on stderr)
// when the copy cannot be made or opened. The destructor unloads the window and lets the
// connection go.
class BancoVentana {
public:
    BancoVentana(int n, const QString& idioma = QStringLiteral("C")) : n_(n)
    {
        SetRegionalSeparators(QChar(','), QChar('.'));
        const QString copia = dir_.filePath(QStringLiteral("trebix.mdb"));
        if (!QFile::copy(ProgramFolder() + QStringLiteral("/Tablas/trebix.mdb"), copia)) {
            std::fprintf(stderr, "no demo database in %s/Tablas\n", qPrintable(ProgramFolder()));
            return;
        }
        QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
        if (!gConexion().AbrirRuta(copia))
            return;
        gEntrada().LeerT01();
        gEntrada().setP_IDI(idioma);
        gEntrada().setP_MON(QStringLiteral("P"));
        gEntrada().setP_FECV(20250101);
        gDatosInicial().InicializarTipologias();
        gDatosInicial().setP0_Tip(n);
        MsgBoxSeam::Install();
        Printer::SetPrinterCountForTests(1);
        w_ = VentanaTipologia(n)->form();
        Mostrar();
    }
    ~BancoVentana()
    {
        if (w_)
            w_->Unload();
        gConexion().SetRutaForTests(QString());
    }
    BancoVentana(const BancoVentana&) = delete;
    BancoVentana& operator=(const BancoVentana&) = delete;

    bool ok() const { return w_ != nullptr; }
    Form* w() const { return w_; }
    // " (final value <what the box shows>)", to follow a timing line.
    QString ValorFinal(const char* caja) const { return QStringLiteral(" (final value %1)").arg(Texto(w_, caja)); }
    // A file in the benchmark's temporary folder.
    QString Archivo(const QString& nombre) const { return dir_.filePath(nombre); }

    // Shows the window and makes it the active one.
    void Mostrar()
    {
        w_->Show(false);
        w_->activateWindow();
        QApplication::setActiveWindow(w_);
        Eventos();
    }

    // Times of `n` entries into the box, alternately `a` and `b`: the text written (not timed),
    // then leaving the box (store, recompute, redraw).
    std::vector<double> MedirSalidas(const char* caja, int n, const QString& a, const QString& b)
    {
        auto* c = Control<CajaNum>(w_, caja);
        QWidget* salida = Control(w_, "cmdDescripcion");
        return Medir(
            n,
            [&](int i) {
                Form::SetFocus(c);
                c->setTexto(i % 2 ? a : b);
            },
            [&](int) { Form::SetFocus(salida); });
    }

    // The report printed to a PDF file in the temporary folder.
    void Informe(const QString& pdf)
    {
        Printer::SetOutputPdfForTests(pdf);
        Control<QAbstractButton>(w_, "cmdimprimir")->click();
        Printer::SetOutputPdfForTests(QString());
    }
    // Times of `n` prints of the report to PDF (the click on the print button).
    std::vector<double> MedirInformes(int n)
    {
        auto* imprimir = Control<QAbstractButton>(w_, "cmdimprimir");
        std::vector<double> ms = Medir(
            n, [&](int i) { Printer::SetOutputPdfForTests(Archivo(QStringLiteral("informe%1.pdf").arg(i))); },
            [&](int) { imprimir->click(); });
        Printer::SetOutputPdfForTests(QString());
        return ms;
    }
    void ImprimirInformes(int n) { Imprimir("report to PDF", MedirInformes(n), "prints", {}, 1); }

    // A line for each message box shown so far (none is expected).
    static void AvisarMensajes()
    {
        for (const ShownMessage& m : MsgBoxSeam::Shown())
            std::printf("unexpected message: %s\n", qPrintable(m.text));
    }

    // With "--captura <folder>" among the arguments: in Spanish and Basque the window is opened
    // again and valued by `valorar`, grabbed in both currencies to ventana<n>_<es|eu>_<P|E>.png and
    // its report printed to informe<n>_<es|eu>.pdf there.
    void Capturas(int argc, char** argv, const std::function<void()>& valorar)
    {
        for (int i = 1; i + 1 < argc; ++i) {
            if (QString::fromUtf8(argv[i]) != QLatin1String("--captura"))
                continue;
            const QDir destino(QString::fromUtf8(argv[i + 1]));
            for (const char* idioma : {"es", "eu"}) {
                w_->Unload();
                gEntrada().setP_IDI(idioma[1] == 'u' ? QStringLiteral("E") : QStringLiteral("C"));
                gDatosInicial().InicializarTipologias();
                Mostrar();
                valorar();
                for (const char* moneda : {"P", "E"}) {
                    const QString opcion = QStringLiteral("optp%1mon(%2)").arg(n_).arg(*moneda == 'E' ? 1 : 0);
                    Control<OptionButton>(w_, opcion.toUtf8().constData())->SetValue(true);
                    Eventos();
                    const QString nombre = QStringLiteral("ventana%1_%2_%3.png").arg(n_).arg(QLatin1String(idioma));
                    const QString png = destino.filePath(nombre.arg(QLatin1String(moneda)));
                    w_->grab().save(png);
                    std::printf("window grabbed to %s\n", qPrintable(png));
                }
                Informe(destino.filePath(QStringLiteral("informe%1_%2.pdf").arg(n_).arg(QLatin1String(idioma))));
            }
            break;
        }
    }

private:
    int n_;
    QTemporaryDir dir_;
    Form* w_ = nullptr;
};

}  // namespace banco
