#include <QApplication>
#include <QProcessEnvironment>
#include <cstdio>
#include <cstdlib>

#include "app/Pantalla.h"
#include "app/Tipologias.h"
#include "core/Inicio.h"
#include "windows/Entrada.h"

namespace {

QString gPrograma;
QtMessageHandler gManejadorPrevio = nullptr;

void SinPantalla()
{
    std::fputs(pantalla::MensajeSinPantalla(gPrograma).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// While the QApplication is built: a display named in the environment may still be unreachable
// (no server behind DISPLAY); Qt then ends the program through a fatal message, which becomes
// our message and exit code instead of an abort.
void ManejadorArranque(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    if (tipo == QtFatalMsg) {
        SinPantalla();
        std::_Exit(pantalla::kSinPantalla);
    }
    if (gManejadorPrevio)
        gManejadorPrevio(tipo, contexto, texto);
    else
        std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    gPrograma = args.value(0, QStringLiteral("valoracion"));
    if (!pantalla::HayPantalla(args, QProcessEnvironment::systemEnvironment())) {
        SinPantalla();
        return pantalla::kSinPantalla;
    }

    gManejadorPrevio = qInstallMessageHandler(ManejadorArranque);
    QApplication app(argc, argv);
    qInstallMessageHandler(gManejadorPrevio);

    // The program ends when the start window is unloaded ("Salir Aplicación" or its close box),
    // not when some other window happens to be the last one closed.
    app.setQuitOnLastWindowClosed(false);
    // The panel opens the typology windows by number: they are known before any window opens.
    RegistrarTipologias();
    SetMostrarEntrada([] { TheEntrada().Show(false); });
    // When the database cannot be used Main has said so and the loop ends at once with code 1.
    Main();
    return app.exec();
}
