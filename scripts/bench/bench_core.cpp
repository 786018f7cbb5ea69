// Timings of the core: start-up up to the settings read, the street list of a municipality
// with 20,000 streets, and each lookup. Works on copies of the demo database in a temporary
// folder; prints the figures against their targets.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/ColacionEs.h"
#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/ComboBox.h"
#include "platform/ProgramFolder.h"

namespace {

struct Cifra {
    double mediana;
    double maximo;
};

// Runs f `veces` times; times in milliseconds.
Cifra Medir(int veces, const std::function<void()>& f)
{
    std::vector<double> t;
    t.reserve(veces);
    for (int i = 0; i < veces; ++i) {
        QElapsedTimer reloj;
        reloj.start();
        f();
        t.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(t.begin(), t.end());
    return {t[t.size() / 2], t.back()};
}

void Informe(const char* que, const Cifra& c, double objetivoMs)
{
    std::printf("%-44s median %9.3f ms   max %9.3f ms   target < %g ms  %s\n", que, c.mediana, c.maximo, objetivoMs,
                c.mediana < objetivoMs ? "ok" : "SLOW");
}

// A street name made of syllables, with accents and Ñ, so that the Spanish order of the
// list has real work to do.
QString NombreCalle(int i)
{
    static const char* const kSilabas[] = {"A",  "BE", "ÑO",  "TXU", "LÁ", "RRI", "ZU", "GA",
                                           "ÑA", "DÍ", "MEN", "KO",  "ÓN", "ÜE",  "SA", "IT"};
    static const char* const kTipos[] = {"KALEA", "PLAZA", "BIDEA", "ETORBIDEA", "CALLE", "AVENIDA"};
    QString nombre;
    unsigned v = unsigned(i) * 2654435761u;
    for (int k = 0; k < 3 + int(v % 3); ++k) {
        nombre += QString::fromUtf8(kSilabas[(v >> (4 * k)) & 15]);
    }
    return nombre + " " + kTipos[(v >> 20) % 6];
}

// Adds municipality 9 with two street lists of `n` streets each (the older one must be
// skipped by the loader) and a stretch per street.
bool AnadirCalles(int n)
{
    cConexionDAO& db = gConexion();
    try {
        db.execute("BEGIN");
        db.execute("INSERT INTO t03_municipios VALUES (2010, 9, 'GRANDE')");
        db.execute("INSERT INTO t04_ponencias VALUES (2010, 9)");
        db.execute("INSERT INTO t07_residencial VALUES (9, 1, 2010, 'CENTRO', 'E', 90000, 60000, 1000000)");
        for (int ano : {2010, 2020}) {
            for (int i = 1; i <= n; ++i) {
                const QString cal = QString::number(i);
                db.execute(QString("INSERT INTO t05_calles_nombre VALUES (9, %1, 1, %2, '%3')")
                               .arg(ano)
                               .arg(cal)
                               .arg(NombreCalle(i)));
                db.execute(QString("INSERT INTO t06_calles_datos VALUES (9, %1, %2, 1, 2, 200, 1, 199, '1', 'A1')")
                               .arg(cal)
                               .arg(ano));
            }
        }
        db.execute("COMMIT");
    } catch (const DbError& e) {
        std::fprintf(stderr, "bench_core: %s\n", e.what());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString demo = ProgramFolder() + "/Tablas/trebix.mdb";
    const QString copia = dir.filePath("trebix.mdb");
    if (!QFile::copy(demo, copia)) {
        std::fprintf(stderr, "bench_core: cannot copy %s\n", qPrintable(demo));
        return 1;
    }
    QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Start-up: open, check the database, read the settings, set language and records.
    const Cifra arranque = Medir(50, [&] {
        gConexion().SetRutaForTests(copia);
        ReleaseGlobals();
        if (!Inicializar())
            std::exit(1);
    });
    Informe("start-up up to the settings read", arranque, 50);

    const int kCalles = 20000;
    if (!AnadirCalles(kCalles))
        return 1;

    // Street list of the big municipality, loaded into a fresh combo box each time.
    ComboBox cmb;
    const QString sql = "select distinct t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre "
                        "where t05_codmun=9 And t05_ano<=2025 And t05_ver<=1 "
                        "order by t05_ano desc,t05_ver desc,t05_nomcal";
    const Cifra calles = Medir(20, [&] {
        bool borrar = true;
        CargarCalles(borrar, sql, cmb);
    });
    if (cmb.ListCount() != kCalles || cmb.Tag() != "2020-1") {
        std::fprintf(stderr, "bench_core: street list has %d entries, tag %s\n", cmb.ListCount(),
                     qPrintable(cmb.Tag()));
        return 1;
    }
    for (int i = 1; i < cmb.ListCount(); ++i) {
        const QByteArray a = cmb.List(i - 1).toUtf8();
        const QByteArray b = cmb.List(i).toUtf8();
        if (colacion_es::Comparar(nullptr, int(a.size()), a.constData(), int(b.size()), b.constData()) > 0) {
            std::fprintf(stderr, "bench_core: street list out of Spanish order at %d\n", i);
            return 1;
        }
    }
    Informe("CargarCalles, 20,000 streets", calles, 30);

    const int kVeces = 2000;
    int16_t ver = 0;
    volatile double sumidero = 0;
    Informe("ObtenerEjercicio", Medir(kVeces, [&] { sumidero = ObtenerEjercicio(20180615, ver); }), 1);
    Informe("FactorIncremento (2005 to 2025)", Medir(kVeces, [&] { sumidero = FactorIncremento(2005, 2025); }), 1);
    Informe("ObtenerPorcom", Medir(kVeces, [&] { sumidero = ObtenerPorcom(2018); }), 1);
    Informe("street stretch zone (t06, 20,000-street list)",
            Medir(kVeces,
                  [&] {
                      Recordset rs = gConexion().openRecordset(
                          "select  t06_zoncod from t06_calles_datos where t06_codmun=9 and t06_codcal=12345 "
                          "And t06_ano=2020 And t06_ver=1 and t06_impinf<=37 and t06_impsup>=37");
                      sumidero = rs.EOF_() ? -1 : rs.Field(0).toDouble();
                      rs.Close();
                  }),
            1);
    Informe("residential zone values (t07)",
            Medir(kVeces,
                  [&] {
                      Recordset rs = gConexion().openRecordset(
                          "select  t07_zonnom,t07_mone,t07_vrr,t07_coscon from t07_residencial where t07_codmun=1 "
                          "and t07_zoncod=101 And t07_ano=2016");
                      sumidero = rs.EOF_() ? -1 : rs.Field(2).toDouble();
                      rs.Close();
                  }),
            1);
    return 0;
}
