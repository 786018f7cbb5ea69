// Timings of the street list and of a valuation as the user sees them, through the dwelling
// window.
//
//   bench_calles                 the demo database, and a copy of it with a municipality of
//                                20,000 streets: the street list shown after choosing that
//                                municipality, against the bare statement in the same run
//   bench_calles <database>      the same window figures on another database (for instance
//                                the province-sized one of genprovincia)
//
// Figures: start-up (open, check, settings), the street list through the window (choosing
// the municipality to the list filled), a zone lookup (a new portal to the redrawn window with
// the zone of the other stretch) and a full valuation (municipality, street, portal and
// surface from a cleared window to the final value).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

#include "core/ColacionEs.h"
#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/ProgramFolder.h"
#include "windows/VentanaTipologia.h"

namespace {

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Ms(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void Eventos()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

template <class T>
T* Control(QWidget* w, const QString& nombre)
{
    return w->findChild<T*>(nombre);
}

// Selects the entry whose text is `item`, as a click on it does.
bool Elegir(QWidget* w, const char* combo, const QString& item)
{
    auto* c = Control<ComboBox>(w, QString::fromUtf8(combo));
    Form::SetFocus(c);
    for (int i = 0; i < c->ListCount(); ++i) {
        if (c->List(i) == item) {
            c->SetListIndex(i);
            return true;
        }
    }
    return false;
}

// Writes the text into the box and leaves it (its leaving handler runs).
void Teclear(QWidget* w, const char* caja, const QString& texto)
{
    auto* c = Control<CajaNum>(w, QString::fromUtf8(caja));
    Form::SetFocus(c);
    c->setTexto(texto);
    Form::SetFocus(w->findChild<QWidget*>(QStringLiteral("cmdDescripcion")));
}

// Adds municipality 9, GRANDE, with two street lists of `n` streets (2010 and 2020; the
// loader must skip the older) and a stretch per street, through a connection of its own.
bool AnadirMunicipioGrande(const QString& ruta, int n)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(ruta).constData(), &db) != SQLITE_OK)
        return false;
    bool bien = sqlite3_exec(db,
                             "BEGIN;"
                             "INSERT INTO t03_municipios VALUES (2010, 9, 'GRANDE');"
                             "INSERT INTO t04_ponencias VALUES (2010, 9);"
                             "INSERT INTO t07_residencial VALUES (9, 1, 2010, 'CENTRO', 'E', 90000, 60000, 1000000);",
                             nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt* calle = nullptr;
    sqlite3_stmt* tramo = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t05_calles_nombre VALUES (9, ?, 1, ?, ?)", -1, &calle, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO t06_calles_datos VALUES (9, ?, ?, 1, 2, 200, 1, 199, '1', 'A1')", -1, &tramo,
                       nullptr);
    static const char* const kSilabas[] = {"A",  "BE", "ÑO",  "TXU", "LÁ", "RRI", "ZU", "GA",
                                           "ÑA", "DÍ", "MEN", "KO",  "ÓN", "ÜE",  "SA", "IT"};
    static const char* const kTipos[] = {"KALEA", "PLAZA", "BIDEA", "ETORBIDEA", "CALLE", "AVENIDA"};
    for (int ano : {2010, 2020}) {
        for (int i = 1; bien && i <= n; ++i) {
            std::string nombre;
            const unsigned v = unsigned(i) * 2654435761u;
            for (int k = 0; k < 3 + int(v % 3); ++k)
                nombre += kSilabas[(v >> (4 * k)) & 15];
            nombre += std::string(" ") + kTipos[(v >> 20) % 6];
            sqlite3_bind_int(calle, 1, ano);
            sqlite3_bind_int(calle, 2, i);
            sqlite3_bind_text(calle, 3, nombre.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(tramo, 1, i);
            sqlite3_bind_int(tramo, 2, ano);
            bien = sqlite3_step(calle) == SQLITE_DONE && sqlite3_step(tramo) == SQLITE_DONE;
            sqlite3_reset(calle);
            sqlite3_reset(tramo);
        }
    }
    sqlite3_finalize(calle);
    sqlite3_finalize(tramo);
    bien = bien && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return bien;
}

// The window's street statement on a connection of its own opened as the program opens its
// own, with the program's Spanish order:
// every row of the newest list read, no list filled. Returns the rows read.
int SentenciaDesnuda(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
    int filas = 0;
    long long ano = -1, ver = -1;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const long long a = sqlite3_column_int64(st, 0), v = sqlite3_column_int64(st, 1);
        if (ano != -1 && (a != ano || v != ver))
            break;
        ano = a;
        ver = v;
        sqlite3_column_int64(st, 2);
        sqlite3_column_text(st, 3);
        ++filas;
    }
    sqlite3_finalize(st);
    return filas;
}

// Start-up: open, check the database, read the settings, language and records.
double Arranque(const QString& ruta)
{
    std::vector<double> t;
    t.reserve(20);
    for (int i = 0; i < 20; ++i) {
        t.push_back(Ms([&] {
            gConexion().SetRutaForTests(ruta);
            ReleaseGlobals();
            if (!Inicializar())
                std::exit(1);
        }));
    }
    return Mediana(t);
}

Form* AbrirVentana()
{
    gEntrada().setP_IDI(QStringLiteral("C"));
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    gDatosInicial().InicializarTipologias();
    gDatosInicial().setP0_Tip(1);
    Form* w = VentanaTipologia(1)->form();
    w->Show(false);
    w->activateWindow();
    QApplication::setActiveWindow(w);
    Eventos();
    return w;
}

struct Lugar {
    QString municipio, otroMunicipio, calle;
    QString portal, otroPortal;  // portals of two stretches
};

// The window figures on the open database.
void FigurasVentana(Form* w, const Lugar& l, const char* que)
{
    auto* cal = Control<ComboBox>(w, QStringLiteral("cmbp1cal"));
    auto* limpiar = w->findChild<QAbstractButton*>(QStringLiteral("cmdlimpiar"));
    std::vector<double> lista, zona, valoracion;
    for (int i = 0; i < 15; ++i) {
        Elegir(w, "cmbp1mun", l.otroMunicipio);
        Eventos();
        lista.push_back(Ms([&] {
            Elegir(w, "cmbp1mun", l.municipio);
            Eventos();
        }));
    }
    const int calles = cal->ListCount();
    Elegir(w, "cmbp1cal", l.calle);
    Teclear(w, "txtp1nup", l.portal);
    Teclear(w, "txtp1sbu", QStringLiteral("90"));
    for (int i = 0; i < 100; ++i) {
        zona.push_back(Ms([&] {
            Teclear(w, "txtp1nup", i % 2 ? l.portal : l.otroPortal);
            Eventos();
        }));
    }
    QString valor;
    for (int i = 0; i < 15; ++i) {
        limpiar->click();
        Eventos();
        valoracion.push_back(Ms([&] {
            Elegir(w, "cmbp1mun", l.municipio);
            Elegir(w, "cmbp1cal", l.calle);
            Teclear(w, "txtp1nup", l.portal);
            Teclear(w, "txtp1sbu", QStringLiteral("90"));
            Eventos();
        }));
        valor = Control<CajaNum>(w, QStringLiteral("txtp1vaf"))->texto();
    }
    std::printf("%s: street list through the window (%d streets)   median %8.3f ms\n", que, calles, Mediana(lista));
    std::printf("%s: zone lookup, new portal to redrawn window     median %8.3f ms\n", que, Mediana(zona));
    std::printf("%s: full valuation from a cleared window          median %8.3f ms (final value %s)\n", que,
                Mediana(valoracion), qPrintable(valor));
    if (!MsgBoxSeam::Shown().isEmpty())
        std::printf("%s: unexpected message: %s\n", que, qPrintable(MsgBoxSeam::Shown().first().text));
}

// The 20,000-street municipality: the list through the window against the bare statement,
// measured in turns in the same run.
int VeinteMil(Form* w, const QString& ruta)
{
    const int kCalles = 20000;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (PrepararOrdenEspanol(db) != SQLITE_OK)
        return 1;
    const QByteArray sql = "select distinct t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre "
                           "where t05_codmun=9 And t05_ano<=2025 And t05_ver<=1 "
                           "order by t05_ano desc,t05_ver desc,t05_nomcal";
    auto* cal = Control<ComboBox>(w, QStringLiteral("cmbp1cal"));
    std::vector<double> desnuda, recordset, ventana;
    for (int i = 0; i < 21; ++i) {
        int filas = 0;
        desnuda.push_back(Ms([&] { filas = SentenciaDesnuda(db, sql); }));
        // The same rows read through the program's connection and recordset, no list filled.
        recordset.push_back(Ms([&] {
            Recordset rs = gConexion().openRecordset(QString::fromUtf8(sql));
            QVariant ano;
            for (; !rs.EOF_(); rs.MoveNext()) {
                if (ano.isValid() && rs.Field(0) != ano)
                    break;
                ano = rs.Field(0);
                rs.Field(2);
                rs.Field(3);
            }
        }));
        Elegir(w, "cmbp1mun", QStringLiteral("ALTZAGA"));
        Eventos();
        ventana.push_back(Ms([&] {
            Elegir(w, "cmbp1mun", QStringLiteral("GRANDE"));
            Eventos();
        }));
        if (filas != kCalles || cal->ListCount() != kCalles) {
            std::fprintf(stderr, "bench_calles: %d rows, %d streets listed\n", filas, cal->ListCount());
            return 1;
        }
    }
    for (int i = 1; i < cal->ListCount(); ++i) {
        const QByteArray a = cal->List(i - 1).toUtf8(), b = cal->List(i).toUtf8();
        if (colacion_es::Comparar(nullptr, int(a.size()), a.constData(), int(b.size()), b.constData()) > 0) {
            std::fprintf(stderr, "bench_calles: street list out of Spanish order at %d\n", i);
            return 1;
        }
    }
    sqlite3_close(db);
    const double d = Mediana(desnuda), v = Mediana(ventana);
    std::printf("20,000 streets: bare statement median %.3f ms; the same through the program's recordset median "
                "%.3f ms; through the window median %.3f ms; ratio window / bare %.2f (targets: < 30 ms, "
                "ratio <= 1.5) %s\n",
                d, Mediana(recordset), v, v / d, v < 30 && v / d <= 1.5 ? "ok" : "MISSED");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetRegionalSeparators(QChar(','), QChar('.'));
    MsgBoxSeam::Install();
    QTemporaryDir dir;
    const QString origen = argc > 1 ? QString::fromLocal8Bit(argv[1]) : ProgramFolder() + "/Tablas/trebix.mdb";
    const QString copia = dir.filePath("trebix.mdb");
    if (!QFile::copy(origen, copia)) {
        std::fprintf(stderr, "bench_calles: cannot copy %s\n", qPrintable(origen));
        return 1;
    }
    QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const bool demo = argc <= 1;
    const char* que = demo ? "demo" : "given database";
    if (demo && !AnadirMunicipioGrande(copia, 20000))
        return 1;

    std::printf("%s: start-up (open, check, settings)             median %8.3f ms\n", que, Arranque(copia));
    Form* w = AbrirVentana();
    Lugar lugar;
    if (demo) {
        lugar = {QStringLiteral("ALTZAGA"), QStringLiteral("ZUBIETAGA"), QStringLiteral("KALE NAGUSIA"),
                 QStringLiteral("3"), QStringLiteral("44")};
    } else {
        // The first municipality of the list, its middle street, a portal in each of its two
        // stretches.
        auto* mun = Control<ComboBox>(w, QStringLiteral("cmbp1mun"));
        auto* cal = Control<ComboBox>(w, QStringLiteral("cmbp1cal"));
        mun->SetListIndex(0);
        Eventos();
        lugar = {mun->List(0), mun->List(1), cal->List(cal->ListCount() / 2), QStringLiteral("3"),
                 QStringLiteral("301")};
    }
    FigurasVentana(w, lugar, que);
    int rc = 0;
    if (demo)
        rc = VeinteMil(w, copia);
    w->Unload();
    gConexion().SetRutaForTests(QString());
    return rc;
}
