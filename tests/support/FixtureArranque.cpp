#include "tests/support/FixtureArranque.h"

#include <QFile>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/MsgBox.h"
#include "platform/ProgramFolder.h"

void FixtureArranque::SetUp()
{
    path = dir.filePath(QStringLiteral("trebix.mdb"));
    ASSERT_TRUE(QFile::copy(ProgramFolder() + QStringLiteral("/Tablas/trebix.mdb"), path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    gConexion().SetRutaForTests(path);
    ReleaseGlobals();
    gIdioma = idiomaAntes_;
    MsgBoxSeam::Install();
    MsgBoxSeam::Clear();
    SetTerminarPrograma([this](int codigo) { codigos.append(codigo); });
}

void FixtureArranque::TearDown()
{
    SetTerminarPrograma({});
    SetMostrarEntrada({});
    MsgBoxSeam::Uninstall();
    gConexion().SetRutaForTests(QString());
    ReleaseGlobals();
    gIdioma = 0;
    gFecha().setFecidioma(QStringLiteral("C"));
}
