#include "core/cDatosInicial.h"

#include "core/Globals.h"

void cDatosInicial::InicializarTipologias()
{
    for (int tipo = 1; tipo <= kNumeroTipologias; ++tipo)
        Registro(tipo)->Set(RecordCode::SVL, QStringLiteral("V"));
}
