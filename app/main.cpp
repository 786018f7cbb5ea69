#include <QApplication>

#include "core/Inicio.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Main();
    return app.exec();
}
