// Makes a province-sized valuation database for the benchmarks:
//   genprovincia <database> [schema.sql]
// 250 municipalities (a 1999 and a 2010 list), the valuation years 1999 to 2027 as in the demo
// (2006 with two versions), three ponencias per municipality, 2,000 streets per municipality in
// each of two street lists (1999 and 2010) with two stretches per street (odd and even
// portals), 30 residential zones, 10 commercial subzones and 10 industrial zones per ponencia.
// Street and zone names carry accents and Ñ. The file is built under a temporary name and
// renamed into place when complete.
#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#ifndef SCHEMA_SQL
#define SCHEMA_SQL "resources/db/schema.sql"
#endif

namespace {

constexpr int kMunicipios = 250;
constexpr int kCalles = 2000;
constexpr int kZonas = 30;
constexpr int kSubzonas = 10;
constexpr int kZonasIndustriales = 10;

// A name made of syllables, with accents and Ñ.
std::string Nombre(unsigned semilla, int silabas)
{
    static const char* const kSilabas[] = {"A",  "BE", "ÑO",  "TXU", "LÁ", "RRI", "ZU", "GA",
                                           "ÑA", "DÍ", "MEN", "KO",  "ÓN", "ÜE",  "SA", "IT"};
    std::string n;
    unsigned v = semilla * 2654435761u;
    for (int k = 0; k < silabas; ++k)
        n += kSilabas[(v >> (4 * (k % 7))) & 15], v = v * 1103515245u + 12345u;
    return n;
}

std::string NombreCalle(int municipio, int calle)
{
    static const char* const kTipos[] = {"KALEA", "PLAZA", "BIDEA", "ETORBIDEA", "CALLE", "AVENIDA"};
    const unsigned semilla = unsigned(municipio) * 100003u + unsigned(calle);
    return Nombre(semilla, 3 + int(semilla % 3)) + " " + kTipos[(semilla >> 3) % 6];
}

bool Ejecutar(sqlite3* db, const std::string& sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "genprovincia: %s\n", err ? err : "error");
        sqlite3_free(err);
        return false;
    }
    return true;
}

// A prepared insert: Fila(values...) binds and runs it.
class Insercion {
public:
    Insercion(sqlite3* db, const char* sql) { ok_ = sqlite3_prepare_v2(db, sql, -1, &st_, nullptr) == SQLITE_OK; }
    ~Insercion() { sqlite3_finalize(st_); }
    template <class... T>
    bool Fila(const T&... v)
    {
        int i = 0;
        (Enlazar(++i, v), ...);
        const bool bien = ok_ && sqlite3_step(st_) == SQLITE_DONE;
        sqlite3_reset(st_);
        return bien;
    }

private:
    void Enlazar(int i, int v) { sqlite3_bind_int(st_, i, v); }
    void Enlazar(int i, double v) { sqlite3_bind_double(st_, i, v); }
    void Enlazar(int i, const std::string& v) { sqlite3_bind_text(st_, i, v.c_str(), int(v.size()), SQLITE_TRANSIENT); }
    void Enlazar(int i, const char* v) { sqlite3_bind_text(st_, i, v, -1, SQLITE_STATIC); }
    sqlite3_stmt* st_ = nullptr;
    bool ok_ = false;
};

bool Llenar(sqlite3* db)
{
    if (!Ejecutar(db, "INSERT INTO T01_GENERAL VALUES (20250101, 'C', 'E', 1999, 2027)"))
        return false;
    Insercion anos(db, "INSERT INTO t02_años VALUES (?,?,?,?,?,?)");
    for (int a = 1999; a <= 2027; ++a) {
        const double inc = a == 1999 ? 1.0 : 1.02;
        const double com = a < 2008 ? 100 : 110;
        if (a == 2006) {
            if (!anos.Fila(a, 1, a * 10000 + 101, a * 10000 + 630, inc, com) ||
                !anos.Fila(a, 2, a * 10000 + 701, a * 10000 + 1231, inc, com))
                return false;
        } else if (!anos.Fila(a, 1, a * 10000 + 101, a * 10000 + 1231, inc, com)) {
            return false;
        }
    }
    Insercion mun(db, "INSERT INTO t03_municipios VALUES (?,?,?)");
    Insercion pon(db, "INSERT INTO t04_ponencias VALUES (?,?)");
    Insercion cal(db, "INSERT INTO t05_calles_nombre VALUES (?,?,?,?,?)");
    Insercion tra(db, "INSERT INTO t06_calles_datos VALUES (?,?,?,?,?,?,?,?,?,?)");
    Insercion res(db, "INSERT INTO t07_residencial VALUES (?,?,?,?,?,?,?,?)");
    Insercion com(db, "INSERT INTO t08_comercial VALUES (?,?,?,?,?)");
    Insercion ind(db, "INSERT INTO t09_industrial VALUES (?,?,?,?,?)");
    for (int m = 1; m <= kMunicipios; ++m) {
        const std::string nombre = Nombre(unsigned(m), 3) + " " + std::to_string(m);
        if (!mun.Fila(1999, m, nombre) || !mun.Fila(2010, m, m % 10 == 0 ? nombre + "-BERRIA" : nombre))
            return false;
        const int ponencias[] = {1999, 2005 + m % 5, 2016 + m % 3};
        for (int p : ponencias) {
            if (!pon.Fila(p, m))
                return false;
            const char* mone = p == 1999 ? "P" : "E";
            const double escala = p == 1999 ? 166.386 : 1.0;
            for (int z = 1; z <= kZonas; ++z) {
                if (!res.Fila(m, z, p, "ZONA " + Nombre(unsigned(z), 2), mone, (20000.0 + 1000 * z) * escala,
                              60000.0 * escala, 900000.0 * escala))
                    return false;
            }
            for (int s = 1; s <= kSubzonas; ++s) {
                if (!com.Fila(m, "C" + std::to_string(s), p, mone, (40000.0 + 2000 * s) * escala))
                    return false;
            }
            for (int z = 1; z <= kZonasIndustriales; ++z) {
                if (!ind.Fila(m, Nombre(unsigned(m * 31 + z), 2) + " " + std::to_string(z), p, mone,
                              (15000.0 + 500 * z) * escala))
                    return false;
            }
        }
        for (int lista : {1999, 2010}) {
            for (int c = 1; c <= kCalles; ++c) {
                const std::string zona = std::to_string(1 + (c * 7 + m) % kZonas);
                const std::string subzona = "C" + std::to_string(1 + c % kSubzonas);
                if (!cal.Fila(m, lista, 1, c, NombreCalle(m, c)) ||
                    !tra.Fila(m, c, lista, 1, 2, 200, 1, 199, zona, subzona) ||
                    !tra.Fila(m, c, lista, 1, 202, 9998, 201, 9999, std::to_string(1 + (c * 11 + m) % kZonas), subzona))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: genprovincia <database> [schema.sql]\n");
        return 2;
    }
    const std::string ruta = argv[1];
    const char* esquema = argc > 2 ? argv[2] : SCHEMA_SQL;
    std::FILE* f = std::fopen(esquema, "rb");
    if (!f) {
        std::fprintf(stderr, "genprovincia: cannot read %s\n", esquema);
        return 1;
    }
    std::string sql;
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, f)) > 0;)
        sql.append(bloque, n);
    std::fclose(f);

    const std::string temporal = ruta + ".gen-" + std::to_string(getpid());
    std::remove(temporal.c_str());
    sqlite3* db = nullptr;
    bool bien = sqlite3_open(temporal.c_str(), &db) == SQLITE_OK;
    bien = bien && Ejecutar(db, "PRAGMA journal_mode=OFF") && Ejecutar(db, "BEGIN") && Ejecutar(db, sql) &&
           Llenar(db) && Ejecutar(db, "COMMIT");
    if (!bien && db)
        std::fprintf(stderr, "genprovincia: %s\n", sqlite3_errmsg(db));
    bien = sqlite3_close(db) == SQLITE_OK && bien;
    if (!bien || std::rename(temporal.c_str(), ruta.c_str()) != 0) {
        std::remove(temporal.c_str());
        std::fprintf(stderr, "genprovincia: %s was not made\n", ruta.c_str());
        return 1;
    }
    return 0;
}
