#include "core/cConexionDAO.h"

#include <QFile>
#include <QFileInfo>
#include <QVector>
#include <algorithm>
#include <sqlite3.h>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "core/ColacionEs.h"
#include "platform/Hourglass.h"
#include "platform/ProgramFolder.h"

DbError::DbError(const QString& message, int code) : std::runtime_error(message.toStdString()), code_(code) {}

QString DbFailureCause(int code, bool basque)
{
    const auto t = [basque](const char* es, const char* eu) { return QString::fromUtf8(basque ? eu : es); };
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return t("La base de datos está siendo utilizada por otro programa; ciérrelo y vuelva a intentarlo.",
                 "Beste programa bat datu-basea erabiltzen ari da; itxi programa hori eta saiatu berriro.");
    case SQLITE_READONLY:
        return t("La base de datos es de solo lectura.", "Datu-basea irakurtzeko soilik da.");
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return t("No hay permiso para usar el fichero de la base de datos o su carpeta.",
                 "Ez dago baimenik datu-basearen fitxategia edo haren karpeta erabiltzeko.");
    case SQLITE_FULL:
        return t("El disco está lleno.", "Diskoa beteta dago.");
    case SQLITE_IOERR:
        return t("Error de lectura o escritura en el fichero de la base de datos.",
                 "Irakurketa- edo idazketa-errorea datu-basearen fitxategian.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return t("El fichero de la base de datos está dañado.", "Datu-basearen fitxategia hondatuta dago.");
    case SQLITE_NOMEM:
        return t("No hay memoria suficiente.", "Ez dago memoria nahikorik.");
    default:
        return t("La base de datos ha rechazado la operación (código %1).",
                 "Datu-baseak eragiketa baztertu du (%1 kodea).")
            .arg(code);
    }
}

bool IsFileStateFailure(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_NOMEM:
    case SQLITE_FULL:
        return true;
    default:
        return false;
    }
}

namespace {

// The message of a read that the state of the file made fail, in Spanish and Basque.
QString MensajeLectura(int code, const QString& path)
{
    return QString::fromUtf8("No se ha podido leer la base de datos de valoración:\n") + path + "\n" +
           DbFailureCause(code, false) + "\n\n" + QString::fromUtf8("Ezin izan da balorazio datu-basea irakurri:\n") +
           path + "\n" + DbFailureCause(code, true);
}

// One step of a statement. Toolkit code run before it (writing a shown text box is enough)
// can leave the upper halves of the processor's AVX registers in use; while they are, some
// processors run SSE code, which is most of SQLite's and of the Spanish collation's, up to a
// third slower (a 20,000-street list took 28 ms instead of 21). Clearing them first costs a
// cycle, and nothing on processors without AVX.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void VaciarMitadesAltas() { _mm256_zeroupper(); }
#endif

int Paso(sqlite3_stmt* st)
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool conAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (conAvx)
        VaciarMitadesAltas();
#endif
    return sqlite3_step(st);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Recordset

// An open query: its statement (until the last row is passed or it is closed) and the
// current row. The current row is read from the statement when a field is asked for (a
// loader of tens of thousands of rows makes no copy of the fields it does not read); only a
// row kept after the statement has ended (MoveLast) is held in `fila`.
struct RecordsetData {
    sqlite3_stmt* st = nullptr;
    QVector<QVariant> fila;
    int leidas = 0;
    bool fin = true;
    int fallo = SQLITE_OK;  // the code of a failed step, if any
    QString ruta;           // the database file, for the message of a failed read

    ~RecordsetData() { Terminar(); }

    void Terminar()
    {
        if (st)
            sqlite3_finalize(st);
        st = nullptr;
    }

    // Steps to the next row; the end of the rows or a failure ends the query.
    // Avanzar, and a failure of the file (not merely the end of the rows) thrown.
    void AvanzarOFallar()
    {
        Avanzar();
        if (IsFileStateFailure(fallo))
            throw DbError(MensajeLectura(fallo, ruta), fallo);
    }

    void Avanzar()
    {
        fila.clear();
        if (!st) {
            fin = true;
            return;
        }
        const int rc = Paso(st);
        if (rc != SQLITE_ROW) {
            if (rc != SQLITE_DONE)
                fallo = rc;
            Terminar();
            fin = true;
            return;
        }
        ++leidas;
        fin = false;
    }

    // True when column c of the current row is read from the statement.
    bool EnSentencia(int c) const { return !fin && st && c >= 0 && c < sqlite3_column_count(st); }

    // The current row as values, to be kept once the statement ends.
    QVector<QVariant> Fila() const
    {
        if (!st)
            return fila;
        QVector<QVariant> v(sqlite3_column_count(st));
        for (int c = 0; c < v.size(); ++c)
            v[c] = Valor(c);
        return v;
    }

    // Column c of the current row of the statement. Each column is read as its stored type,
    // so no column changes type by being read (sqlite3_column_type stays true).
    QVariant Valor(int c) const
    {
        switch (sqlite3_column_type(st, c)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(st, c)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(st, c));
        case SQLITE_TEXT:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                              sqlite3_column_bytes(st, c)));
        case SQLITE_BLOB:
            return QVariant(
                QByteArray(static_cast<const char*>(sqlite3_column_blob(st, c)), sqlite3_column_bytes(st, c)));
        default:
            return QVariant();
        }
    }
};

Recordset::Recordset() : d_(std::make_shared<RecordsetData>()) {}

bool Recordset::EOF_() const { return d_->fin; }

QVariant Recordset::Field(int k) const
{
    if (d_->EnSentencia(k))
        return d_->Valor(k);
    if (d_->fin || k < 0 || k >= d_->fila.size())
        return QVariant();
    return d_->fila[k];
}

std::optional<qlonglong> Recordset::IntegerField(int k) const
{
    if (d_->EnSentencia(k) && sqlite3_column_type(d_->st, k) == SQLITE_INTEGER)
        return static_cast<qlonglong>(sqlite3_column_int64(d_->st, k));
    return std::nullopt;
}

std::optional<QString> Recordset::TextField(int k) const
{
    if (d_->EnSentencia(k) && sqlite3_column_type(d_->st, k) == SQLITE_TEXT)
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d_->st, k)),
                                 sqlite3_column_bytes(d_->st, k));
    return std::nullopt;
}

void Recordset::MoveNext()
{
    if (!d_->fin)
        d_->AvanzarOFallar();
}

void Recordset::MoveLast()
{
    if (d_->fin)
        return;
    QVector<QVariant> ultima = d_->Fila();
    while (d_->st) {
        d_->AvanzarOFallar();
        if (!d_->fin)
            ultima = d_->Fila();
    }
    d_->fila = ultima;
    d_->fin = false;
}

int Recordset::RecordCount() const { return d_->leidas; }

void Recordset::Close()
{
    d_->Terminar();
    d_->fin = true;
    d_->fila.clear();
}

// ---------------------------------------------------------------------------------------
// Connection

namespace {

QString Mensaje(const char* text) { return QString::fromUtf8(text); }

// True when nothing but blanks and semicolons follows the first statement.
bool SoloEspacios(const char* tail)
{
    for (; tail && *tail; ++tail) {
        if (!(*tail == ' ' || *tail == '\t' || *tail == '\r' || *tail == '\n' || *tail == ';'))
            return false;
    }
    return true;
}

// The columns of every table that the program reads or writes.
const char* const kConsultasEsquema[] = {
    "select T01_FEC_OMIS,T01_IDI_OMIS,T01_MON_OMIS,T01_MINIMO_DESDE,T01_MAXIMO_HASTA from T01_GENERAL",
    "select t02_ano,t02_ver,t02_fecmin,t02_fecmax,t02_porinc,t02_porcom from t02_años",
    "select t03_ano,t03_codmun,t03_nommun from t03_municipios",
    "select t04_ano,t04_codmun from t04_ponencias",
    "select t05_codmun,t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre",
    ("select t06_codmun,t06_codcal,t06_ano,t06_ver,t06_parinf,t06_parsup,t06_impinf,t06_impsup,"
     "t06_zoncod,t06_szncod from t06_calles_datos"),
    "select t07_codmun,t07_zoncod,t07_ano,t07_zonnom,t07_mone,t07_vrr,t07_coscon,t07_mp from t07_residencial",
    "select t08_codmun,t08_szncod,t08_ano,t08_mone,t08_vrc from t08_comercial",
    "select t09_codmun,t09_zonind,t09_ano,t09_mone,t09_vri from t09_industrial",
    // The text keys and names compared and sorted by the program's statements: a collation
    // that the file's schema names and this connection lacks is refused here, at start, and
    // not later as empty lists. No row is read. The street and zone names are checked in the
    // file's own tables, not through the views that give them the Spanish order.
    "select t05_nomcal from main.t05_calles_nombre where 0 order by t05_nomcal",
    "select t09_zonind from main.t09_industrial where 0 order by t09_zonind",
    "select t08_szncod from t08_comercial where 0 order by t08_szncod",
    "select t03_nommun from t03_municipios where 0 order by t03_nommun",
    "select t07_zonnom from t07_residencial where 0 order by t07_zonnom",
    "select t06_zoncod,t06_szncod from t06_calles_datos where 0 order by t06_zoncod,t06_szncod",
    "select T01_IDI_OMIS,T01_MON_OMIS from T01_GENERAL where 0 order by T01_IDI_OMIS,T01_MON_OMIS",
};

// How long a statement waits for another program to let the file go before it fails.
constexpr int kEsperaBloqueoMs = 1000;

enum class Fallo { Ninguno, NoExiste, NoLegible, EnUso, Ajena };

QString TextoFallo(Fallo f, const QString& path)
{
    QString es, eu;
    switch (f) {
    case Fallo::NoExiste:
        es = Mensaje("No se encuentra el fichero de la base de datos de valoración:");
        eu = Mensaje("Ez da aurkitu balorazio datu-basearen fitxategia:");
        break;
    case Fallo::NoLegible:
        es = Mensaje("No se puede leer el fichero de la base de datos de valoración:");
        eu = Mensaje("Ezin da irakurri balorazio datu-basearen fitxategia:");
        break;
    case Fallo::EnUso:
        es = Mensaje("La base de datos de valoración está siendo utilizada por otro programa; "
                     "ciérrelo y vuelva a abrir este:");
        eu = Mensaje("Beste programa bat balorazio datu-basea erabiltzen ari da; itxi programa hori eta "
                     "ireki berriro hau:");
        break;
    default:
        es = Mensaje("El fichero no es una base de datos de valoración de este programa:");
        eu = Mensaje("Fitxategia ez da programa honen balorazio datu-base bat:");
        break;
    }
    return es + "\n" + path + "\n" + Mensaje("El programa se cerrará.") + "\n\n" + eu + "\n" + path + "\n" +
           Mensaje("Programa itxi egingo da.");
}

}  // namespace

cConexionDAO::cConexionDAO() : path_(RutaBaseDatos(ProgramFolder())) {}

cConexionDAO::~cConexionDAO()
{
    HourglassGuard hourglass;
    Cerrar();
}

QString cConexionDAO::RutaBaseDatos(const QString& programFolder)
{
    QString normal = programFolder + "/Tablas/trebix.mdb";
    if (QFileInfo::exists(normal))
        return normal;
    const qsizetype p = programFolder.indexOf(QStringLiteral("proyecto"), 0, Qt::CaseInsensitive);
    if (p >= 0)
        return programFolder.left(p) + "/Tablas/trebix.mdb";
    return normal;
}

QString cConexionDAO::Quote(const QString& value)
{
    QString s = value;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return s;
}

QString cConexionDAO::Path() const { return path_; }

bool cConexionDAO::IsOpen() const { return db_ != nullptr; }

bool cConexionDAO::IsReadOnly() const { return db_ && sqlite3_db_readonly(db_, "main") == 1; }

void cConexionDAO::CrearWorkSpace()
{
    HourglassGuard hourglass;
    workspace_ = true;
}

void cConexionDAO::AbrirBD()
{
    HourglassGuard hourglass;
    if (db_)
        return;
    // No path is no file (SQLite would open a private temporary database instead).
    if (path_.isEmpty())
        return;
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path_);
    // Read-write without create: a missing file is never made. A file that nobody may write
    // (no write permission for its owner, group or others: the read-only mark of a desktop)
    // is opened for reading only, whoever runs the program, and writes to it are refused.
    const QFileDevice::Permissions escritura = QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                               QFileDevice::WriteOther;
    const QFileInfo info(path_);
    const bool soloLectura = info.exists() && !(info.permissions() & escritura);
    const int rc = sqlite3_open_v2(file.constData(), &db,
                                   (soloLectura ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                                       SQLITE_OPEN_NOMUTEX,  // one thread uses it: no lock per call
                                   nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return;
    }
    // Street and zone names in Spanish order, on this connection only (nothing is written to
    // the file). Tried before any wait for a lock: should another program hold the file now,
    // the first query tries again.
    ordenEspanol_ = PrepararOrdenEspanol(db) == SQLITE_OK;
    // Another program holding the file: wait a little for it, then say so.
    sqlite3_busy_timeout(db, kEsperaBloqueoMs);
    db_ = db;
}

void cConexionDAO::Cerrar()
{
    for (const std::weak_ptr<RecordsetData>& w : abiertos_) {
        if (const std::shared_ptr<RecordsetData> d = w.lock()) {
            d->Terminar();
            d->fin = true;
            d->fila.clear();
        }
    }
    abiertos_.clear();
    if (!db_)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void cConexionDAO::execute(const QString& sql, int options)
{
    Q_UNUSED(options);
    HourglassGuard hourglass;
    if (observer_)
        observer_(sql);
    if (!db_)
        throw DbError(QStringLiteral("database not open: %1").arg(path_), SQLITE_CANTOPEN);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &st, &tail);
    // A statement that changes the street or industrial-zone table (tests, tools; never the
    // program) runs on the file's table: the views of the Spanish order step aside meanwhile.
    const OrdenEspanolLevantado levantado(db_, rc != SQLITE_OK && EscrituraEnVistaOrdenada(db_));
    if (levantado.Activo()) {
        sqlite3_finalize(st);
        st = nullptr;
        rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &st, &tail);
    }
    if (rc != SQLITE_OK || !st) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(st);
        throw DbError(msg, rc == SQLITE_OK ? SQLITE_MISUSE : rc);
    }
    if (!SoloEspacios(tail)) {
        sqlite3_finalize(st);
        throw DbError(QStringLiteral("only one statement may be run at a time"), SQLITE_MISUSE);
    }
    do {
        rc = Paso(st);
    } while (rc == SQLITE_ROW);
    if (rc != SQLITE_DONE) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(st);
        throw DbError(msg, rc);
    }
    sqlite3_finalize(st);
}

Recordset cConexionDAO::openRecordset(const QString& sql, int tipo)
{
    Q_UNUSED(tipo);
    HourglassGuard hourglass;
    if (observer_)
        observer_(sql);
    Recordset rs;
    if (!db_)
        return rs;
    rs.d_->ruta = path_;
    if (!ordenEspanol_) {
        // A file still held by another program fails here as the query itself would, after
        // one wait, not two.
        const int orden = PrepararOrdenEspanol(db_);
        ordenEspanol_ = orden == SQLITE_OK;
        if (IsFileStateFailure(orden))
            throw DbError(MensajeLectura(orden, path_), orden);
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    // Only queries: a statement that would change the database is refused, not run.
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &st, nullptr);
    if (rc != SQLITE_OK || !st || !sqlite3_stmt_readonly(st)) {
        sqlite3_finalize(st);
        // Reading the schema can meet a file that another program holds.
        if (IsFileStateFailure(rc))
            throw DbError(MensajeLectura(rc, path_), rc);
        return rs;
    }
    rs.d_->st = st;
    rs.d_->AvanzarOFallar();  // positioned on the first row
    if (rs.d_->st) {
        // Still open: Cerrar must be able to end it.
        abiertos_.erase(std::remove_if(abiertos_.begin(), abiertos_.end(),
                                       [](const std::weak_ptr<RecordsetData>& w) { return w.expired(); }),
                        abiertos_.end());
        abiertos_.push_back(rs.d_);
    }
    return rs;
}

bool cConexionDAO::BaseDatosValida(QString* motivo) const
{
    Fallo fallo = Fallo::Ninguno;
    const QFileInfo info(path_);
    if (!info.exists()) {
        fallo = Fallo::NoExiste;
    } else if (!info.isFile() || !info.isReadable() || !db_) {
        fallo = Fallo::NoLegible;
    } else {
        for (const char* q : kConsultasEsquema) {
            sqlite3_stmt* st = nullptr;
            int rc = sqlite3_prepare_v2(db_, q, -1, &st, nullptr);
            if (rc == SQLITE_OK && st)
                rc = sqlite3_step(st);
            sqlite3_finalize(st);
            if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
                continue;
            // A file that cannot be read now (an input error, no permission) is not called
            // foreign, and one that another program holds locked is not called unreadable.
            const int primary = rc & 0xff;
            fallo = (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) ? Fallo::EnUso
                    : (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM)
                        ? Fallo::NoLegible
                        : Fallo::Ajena;
            break;
        }
    }
    if (fallo == Fallo::Ninguno)
        return true;
    if (motivo)
        *motivo = TextoFallo(fallo, path_);
    return false;
}

void cConexionDAO::SetStatementObserver(std::function<void(const QString&)> observer)
{
    observer_ = std::move(observer);
}

void cConexionDAO::SetRutaForTests(const QString& ruta)
{
    Cerrar();
    workspace_ = false;
    path_ = ruta;
}

bool cConexionDAO::AbrirRuta(const QString& ruta)
{
    SetRutaForTests(ruta);
    CrearWorkSpace();
    AbrirBD();
    return IsOpen();
}
