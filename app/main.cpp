#include <QApplication>

#include "core/Inicio.h"
#include "windows/Entrada.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends when the start window is unloaded ("Salir Aplicación" or its close box),
    // not when some other window happens to be the last one closed.
    app.setQuitOnLastWindowClosed(false);
    SetMostrarEntrada([] { TheEntrada().Show(false); });
    // When the database cannot be used Main has said so and the loop ends at once with code 1.
    Main();
    return app.exec();
}
