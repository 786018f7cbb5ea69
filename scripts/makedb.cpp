// Builds an SQLite database file from SQL script files: makedb <database> <script.sql>...
// The collation ES of the schema is registered first, as the program does. On any failure
// no file is left behind, so that a half-built database is never taken for a good one.
#include <sqlite3.h>

#include "core/ColacionEs.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

int Fallar(sqlite3* db, const char* path)
{
    sqlite3_close(db);
    std::remove(path);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedb <database> <script.sql>...\n");
        return 2;
    }
    const char* path = argv[1];
    sqlite3* db = nullptr;
    if (sqlite3_open(path, &db) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot open %s: %s\n", path, sqlite3_errmsg(db));
        return Fallar(db, path);
    }
    if (RegistrarColacionEs(db) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot register the collation %s: %s\n", kColacionEs, sqlite3_errmsg(db));
        return Fallar(db, path);
    }
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "makedb: cannot read %s\n", argv[i]);
            return Fallar(db, path);
        }
        std::stringstream ss;
        ss << in.rdbuf();
        char* err = nullptr;
        if (sqlite3_exec(db, ss.str().c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::fprintf(stderr, "makedb: %s: %s\n", argv[i], err ? err : "error");
            sqlite3_free(err);
            return Fallar(db, path);
        }
    }
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: %s: %s\n", path, sqlite3_errmsg(db));
        return Fallar(db, path);
    }
    sqlite3_close(db);
    return 0;
}
