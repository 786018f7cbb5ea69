// Builds an SQLite database file from SQL script files: makedb <database> <script.sql>...
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedb <database> <script.sql>...\n");
        return 2;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot open %s: %s\n", argv[1], sqlite3_errmsg(db));
        return 1;
    }
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "makedb: cannot read %s\n", argv[i]);
            sqlite3_close(db);
            return 1;
        }
        std::stringstream ss;
        ss << in.rdbuf();
        char* err = nullptr;
        if (sqlite3_exec(db, ss.str().c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::fprintf(stderr, "makedb: %s: %s\n", argv[i], err ? err : "error");
            sqlite3_free(err);
            sqlite3_close(db);
            return 1;
        }
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}
