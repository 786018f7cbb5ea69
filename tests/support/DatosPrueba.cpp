#include "tests/support/DatosPrueba.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "core/Globals.h"

void CrearBase(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &err);
    EXPECT_EQ(rc, SQLITE_OK) << (err ? err : "");
    sqlite3_free(err);
    sqlite3_close(db);
}

CDatosTip& RegistroTipologia(int n)
{
    // clang-format off
    switch (n) {
    case 1: return gDatosTip1();
    case 2: return gDatosTip2();
    case 3: return gDatosTip3();
    case 4: return gDatosTip4();
    case 5: return gDatosTip5();
    case 6: return gDatosTip6();
    case 7: return gDatosTip7();
    case 8: return gDatosTip8();
    default: return gDatosTip9();
    }
    // clang-format on
}

void ComprobarCodigosIguales(const CDatosTip& actual, const CDatosTip& esperado,
                             std::initializer_list<const char*> codigos)
{
    for (const char* codigo : codigos)
        EXPECT_EQ(actual.Get(QString::fromUtf8(codigo)), esperado.Get(QString::fromUtf8(codigo))) << codigo;
}

std::vector<double> ResultadosDe(const CDatosTip& r)
{
    std::vector<double> v;
    for (const char* codigo : {"VAD", "VAC", "VCO", "VAF", "VSF", "VCF"})
        v.push_back(r.Get(QString::fromLatin1(codigo)).toDouble());
    return v;
}
