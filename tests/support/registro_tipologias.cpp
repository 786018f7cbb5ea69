// For programs with a main of their own (Qt Test's QTEST_MAIN, the benchmarks): the typology
// windows are registered when the application object is made, as the program registers them at
// start. Compiled into each such program, not into a library.
#include <QCoreApplication>

#include "app/Tipologias.h"

Q_COREAPP_STARTUP_FUNCTION(RegistrarTipologias)
