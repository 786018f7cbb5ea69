#pragma once
// The one connection to the valuation database (an SQLite file), through which every
// statement of the program runs, and the recordsets its queries give.
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct sqlite3;

// A statement that the database refused (execute), or a read that the state of the file
// made fail (openRecordset, Recordset::MoveNext). code() is the engine's result code.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, int code);
    int code() const { return code_; }

private:
    int code_;
};

// What a failure code of the database means to the user, as one sentence in Spanish
// (basque false) or Basque: another program holding the file, a read-only file, an
// input/output error, and so on. Never the engine's own English text.
QString DbFailureCause(int code, bool basque);
// True for a failure that comes from the state of the file (held by another program, not
// readable, damaged) rather than from the statement itself.
bool IsFileStateFailure(int code);

struct RecordsetData;

// The rows of one query, read through a current row. A value type over a shared handle:
// copies share the position. Rows are read from the database as the recordset moves, so a
// loader that stops early reads no further.
class Recordset {
public:
    Recordset();

    // True when there is no current row (no row at all, or moved past the last).
    bool EOF_() const;
    // Value of column k (0 = first of the select list) of the current row; a Null value,
    // a column out of range or no current row give an invalid QVariant.
    QVariant Field(int k) const;
    // Column k of the current row when it holds a whole number (resp. a text), read without
    // a QVariant, for the loaders of long lists; nothing for any other value (Null, another
    // type, a column out of range, no current row): Field then tells what it is.
    std::optional<qlonglong> IntegerField(int k) const;
    std::optional<QString> TextField(int k) const;
    void MoveNext();
    // Makes the last row current (nothing happens without rows).
    void MoveLast();
    // Number of rows reached so far; after MoveLast, the number of rows of the query.
    int RecordCount() const;
    // Ends the query; the recordset is then at end-of-file.
    void Close();

private:
    friend class cConexionDAO;
    std::shared_ptr<RecordsetData> d_;
};

class cConexionDAO {
public:
    // Computes the path of the database file from the program folder.
    cConexionDAO();
    // Closes the database.
    ~cConexionDAO();
    cConexionDAO(const cConexionDAO&) = delete;
    cConexionDAO& operator=(const cConexionDAO&) = delete;

    // Nothing to create for SQLite: only notes that the workspace exists.
    void CrearWorkSpace();
    // Opens the file at Path() for reading and writing (for reading only when nobody may
    // write the file); never creates a file. A statement waits about a second for another
    // program holding the file. Ends quietly on failure (IsOpen() stays false;
    // BaseDatosValida says why).
    void AbrirBD();
    // Closes every recordset still open, then the database; failures are ignored.
    void Cerrar();
    // Runs an action statement; a refusal throws DbError. options is accepted and unused.
    void execute(const QString& sql, int options = 0);
    // Runs a query. A statement the database refuses, or one that would change the database,
    // gives an empty recordset (at end-of-file). A read that the state of the file makes
    // fail (another program holding it, an input/output error) throws DbError with a message
    // in Spanish and Basque. tipo is unused.
    Recordset openRecordset(const QString& sql, int tipo = 0);

    QString Path() const;
    bool IsOpen() const;
    // True when the database was opened for reading only (a file that nobody may write).
    bool IsReadOnly() const;
    bool WorkspaceCreated() const { return workspace_; }

    // "<program folder>/Tablas/trebix.mdb", unless that file does not exist and the folder
    // holds "proyecto" (any case): then the folder up to that text, "/Tablas/trebix.mdb".
    static QString RutaBaseDatos(const QString& programFolder);
    // Text value ready to stand between single quotes in a statement: apostrophes doubled.
    static QString Quote(const QString& value);

    // True when the open database is a valuation database of this program (the file exists,
    // can be read, is an SQLite database and holds the tables and columns the program
    // reads). Otherwise false, and *motivo (when given) gets a message in Spanish and Basque
    // naming the file. Reads only; writes nothing.
    bool BaseDatosValida(QString* motivo = nullptr) const;

    // Closes any open database and uses another file from now on (tests, tools).
    void SetRutaForTests(const QString& ruta);
    // SetRutaForTests, then CrearWorkSpace and AbrirBD; true when the file opened.
    bool AbrirRuta(const QString& ruta);

    // Sees the text of every statement given to execute and openRecordset, as given, before
    // it runs (tests check the program's statement texts through it). Empty: none.
    void SetStatementObserver(std::function<void(const QString&)> observer);

private:
    QString path_;
    bool workspace_ = false;
    std::function<void(const QString&)> observer_;
    sqlite3* db_ = nullptr;
    bool ordenEspanol_ = false;  // the Spanish order of names is in place on db_
    std::vector<std::weak_ptr<RecordsetData>> abiertos_;
};
