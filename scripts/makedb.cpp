// Builds or updates an SQLite database file from SQL script files:
//   makedb <database> <script.sql>...
// Nothing is ever lost:
//  - every script is read before the database is touched; one that cannot be read stops the
//    tool with the file as it was;
//  - a new database is built beside the target under a temporary name and renamed into place
//    only when every script ran; on a failure the temporary file goes and no target appears;
//  - an existing database is changed inside one transaction, rolled back on any failure, so
//    that the file stays byte for byte as it was.
// A failure names the script and the line where the failing statement starts. The scripts
// may not end or open transactions themselves (the tool holds the one transaction).
// No collation of this program is registered: a file that needs one cannot be made, so every
// file the tool makes opens in a standard SQLite tool.
#include <sqlite3.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Script {
    std::string nombre;
    std::string texto;
};

// Reads a whole script; false (and a message) when it cannot be read.
bool Leer(const char* nombre, Script& s)
{
    struct stat st {};
    if (stat(nombre, &st) != 0) {
        std::fprintf(stderr, "makedb: cannot read script %s: %s\n", nombre, std::strerror(errno));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "makedb: cannot read script %s: it is a folder\n", nombre);
        return false;
    }
    std::FILE* f = std::fopen(nombre, "rb");
    if (!f) {
        std::fprintf(stderr, "makedb: cannot read script %s: %s\n", nombre, std::strerror(errno));
        return false;
    }
    char bloque[65536];
    size_t n = 0;
    while ((n = std::fread(bloque, 1, sizeof bloque, f)) > 0)
        s.texto.append(bloque, n);
    const bool error = std::ferror(f) != 0;
    std::fclose(f);
    if (error) {
        std::fprintf(stderr, "makedb: cannot read script %s\n", nombre);
        return false;
    }
    s.nombre = nombre;
    return true;
}

// Moves p past blanks and SQL comments.
const char* SaltarBlancos(const char* p, const char* fin)
{
    while (p < fin) {
        if (std::isspace(static_cast<unsigned char>(*p))) {
            ++p;
        } else if (p + 1 < fin && p[0] == '-' && p[1] == '-') {
            while (p < fin && *p != '\n')
                ++p;
        } else if (p + 1 < fin && p[0] == '/' && p[1] == '*') {
            const char* cierre = std::strstr(p + 2, "*/");
            p = cierre && cierre < fin ? cierre + 2 : fin;
        } else {
            break;
        }
    }
    return p;
}

// Counts lines as the statements go by: the line of p, for p never before the last one asked.
class Lineas {
public:
    explicit Lineas(const char* inicio) : p_(inicio) {}
    int En(const char* p)
    {
        for (; p_ < p; ++p_)
            linea_ += *p_ == '\n';
        return linea_;
    }

private:
    const char* p_;
    int linea_ = 1;
};

// The statement's first word in upper case.
std::string PrimeraPalabra(const char* p, const char* fin)
{
    std::string w;
    while (p < fin && std::isalpha(static_cast<unsigned char>(*p)))
        w += static_cast<char>(std::toupper(static_cast<unsigned char>(*p++)));
    return w;
}

// True for BEGIN, COMMIT, END and ROLLBACK (but not ROLLBACK TO a savepoint).
bool ControlaTransaccion(const char* p, const char* fin)
{
    const std::string w = PrimeraPalabra(p, fin);
    if (w == "BEGIN" || w == "COMMIT" || w == "END")
        return true;
    if (w != "ROLLBACK")
        return false;
    const char* q = SaltarBlancos(p + w.size(), fin);
    std::string siguiente = PrimeraPalabra(q, fin);
    if (siguiente == "TRANSACTION") {
        q = SaltarBlancos(q + siguiente.size(), fin);
        siguiente = PrimeraPalabra(q, fin);
    }
    return siguiente != "TO";
}

// Runs every statement of a script; false (and a message naming the script and the line of
// the statement) at the first failure.
bool Ejecutar(sqlite3* db, const Script& s)
{
    const char* const inicio = s.texto.c_str();
    const char* const fin = inicio + s.texto.size();
    const char* p = inicio;
    Lineas lineas(inicio);
    for (;;) {
        p = SaltarBlancos(p, fin);
        if (p >= fin)
            return true;
        if (*p == ';') {
            ++p;
            continue;
        }
        const int linea = lineas.En(p);
        if (ControlaTransaccion(p, fin)) {
            std::fprintf(stderr,
                         "makedb: %s:%d: the script may not begin or end a transaction (makedb runs all "
                         "scripts in one)\n",
                         s.nombre.c_str(), linea);
            return false;
        }
        sqlite3_stmt* st = nullptr;
        const char* resto = nullptr;
        int rc = sqlite3_prepare_v2(db, p, int(fin - p), &st, &resto);
        if (rc == SQLITE_OK && st) {
            do {
                rc = sqlite3_step(st);
            } while (rc == SQLITE_ROW);
            if (rc == SQLITE_DONE)
                rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK) {
            std::fprintf(stderr, "makedb: %s:%d: %s\n", s.nombre.c_str(), linea, sqlite3_errmsg(db));
            sqlite3_finalize(st);
            return false;
        }
        sqlite3_finalize(st);
        if (!resto || resto <= p)
            return true;
        p = resto;
    }
}

// Runs all scripts in one transaction on an open database; false when anything failed (the
// transaction is then rolled back).
bool EjecutarTodo(sqlite3* db, const char* ruta, const std::vector<Script>& scripts)
{
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: %s: %s\n", ruta, sqlite3_errmsg(db));
        return false;
    }
    for (const Script& s : scripts) {
        if (!Ejecutar(db, s)) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: %s: %s\n", ruta, sqlite3_errmsg(db));
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

void Borrar(const std::string& ruta)
{
    std::remove(ruta.c_str());
    std::remove((ruta + "-journal").c_str());
}

// A new database: built under a temporary name in the target's folder, then renamed.
int Crear(const char* ruta, const std::vector<Script>& scripts)
{
    const std::string temporal = std::string(ruta) + ".makedb-" + std::to_string(getpid());
    Borrar(temporal);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(temporal.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot create %s: %s\n", temporal.c_str(), sqlite3_errmsg(db));
        sqlite3_close(db);
        Borrar(temporal);
        return 1;
    }
    const bool bien = EjecutarTodo(db, ruta, scripts);
    if (sqlite3_close(db) != SQLITE_OK || !bien) {
        Borrar(temporal);
        if (bien)
            std::fprintf(stderr, "makedb: cannot close %s\n", temporal.c_str());
        std::fprintf(stderr, "makedb: %s was not made\n", ruta);
        return 1;
    }
    if (std::rename(temporal.c_str(), ruta) != 0) {
        std::fprintf(stderr, "makedb: cannot rename %s to %s: %s\n", temporal.c_str(), ruta, std::strerror(errno));
        Borrar(temporal);
        return 1;
    }
    return 0;
}

// An existing database: changed in one transaction.
int Actualizar(const char* ruta, const std::vector<Script>& scripts)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(ruta, &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot open %s: %s\n", ruta, sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    sqlite3_busy_timeout(db, 2000);
    const bool bien = EjecutarTodo(db, ruta, scripts);
    sqlite3_close(db);
    if (!bien) {
        std::fprintf(stderr, "makedb: %s was left unchanged\n", ruta);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedb <database> <script.sql>...\n");
        return 2;
    }
    const char* ruta = argv[1];
    std::vector<Script> scripts(argc - 2);
    for (int i = 2; i < argc; ++i) {
        if (!Leer(argv[i], scripts[i - 2]))
            return 1;
    }
    struct stat st {};
    if (stat(ruta, &st) == 0)
        return Actualizar(ruta, scripts);
    if (errno != ENOENT) {
        std::fprintf(stderr, "makedb: cannot use %s: %s\n", ruta, std::strerror(errno));
        return 1;
    }
    return Crear(ruta, scripts);
}
