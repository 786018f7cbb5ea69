#include <QApplication>
#include <gtest/gtest.h>

#include "app/Tipologias.h"
#include "platform/NumberFormat.h"

// Widget tests need a QApplication; the offscreen platform draws nothing on screen.
// The regional settings are pinned to the Spanish ones ("." groups, "," decimals).
// The typology windows are registered as the program registers them at start.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    SetRegionalSeparators(QChar(','), QChar('.'));
    RegistrarTipologias();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
