#pragma once
// The Spanish order of names ("ES"), which the program uses for the street list and the
// industrial zones:
//  - Case is ignored ("Calle" equals "CALLE").
//  - Accents count only when the letters are the same (ÁLAVA sorts with ALAVA, just after it).
//  - Ñ is a letter of its own between N and O (AÑORGA after ANTZUOLA, before AOIZ).
//  - Blanks, digits and signs sort before letters, by their character code.
// Pure C++ on UTF-8 texts (no Qt). The database file never names this order: its columns use
// SQLite's own NOCASE, so that any standard SQLite tool can open, check and change the file.
// The program brings the order in on its own connection (PrepararOrdenEspanol): the collation
// and two temporary views, kept in memory and never written to the file, that stand in front
// of the street and industrial-zone tables and give their name columns this order. The
// program's statements are run unchanged and "order by t05_nomcal" means Spanish order.
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace colacion_es {

// One collation element: its letter (first level) and its accent (second level, 0 = none).
struct Clave {
    uint32_t primaria = 0;
    uint8_t acento = 0;
};

// Accents, in their second-level order.
enum : uint8_t {
    kSin = 0,
    kAgudo,
    kGrave,
    kCircunflejo,
    kDieresis,
    kTilde,
    kAnillo,
    kCedilla,
    kBarra,
    kMacron,
    kBreve,
    kOgonek,
    kPunto,
    kCaron,
    kDobleAgudo,
    kOtro,
};

constexpr uint32_t kBaseLetras = 0x200000;  // above every character code

// First-level weight of a Latin letter 'A'..'Z'; Ñ stands between N and O.
constexpr uint32_t Letra(char mayuscula) { return kBaseLetras + 2u * static_cast<uint32_t>(mayuscula - 'A'); }
constexpr uint32_t kEnie = Letra('N') + 1;

// First-level weight of an ASCII character: a letter's (either case), else its code + 1.
constexpr uint32_t PesoAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z'   ? Letra(static_cast<char>(c - 'a' + 'A'))
           : c >= 'A' && c <= 'Z' ? Letra(static_cast<char>(c))
                                  : c + 1u;
}

// Letters with marks of U+00C0..U+017F: base letter(s) and accent. A space as base letter
// means the character is not a letter (× ÷) and sorts by its code.
struct Descomposicion {
    char base1;
    char base2;  // second letter of Æ, Œ, ß, Ĳ, Þ; 0 when none
    uint8_t acento;
};

// clang-format off
constexpr Descomposicion kLatinas[] = {
    // U+00C0 À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    {'A',0,kGrave},{'A',0,kAgudo},{'A',0,kCircunflejo},{'A',0,kTilde},{'A',0,kDieresis},{'A',0,kAnillo},
    {'A','E',kOtro},{'C',0,kCedilla},{'E',0,kGrave},{'E',0,kAgudo},{'E',0,kCircunflejo},{'E',0,kDieresis},
    {'I',0,kGrave},{'I',0,kAgudo},{'I',0,kCircunflejo},{'I',0,kDieresis},
    // U+00D0 Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    {'D',0,kBarra},{'N',0,kSin},{'O',0,kGrave},{'O',0,kAgudo},{'O',0,kCircunflejo},{'O',0,kTilde},
    {'O',0,kDieresis},{' ',0,kSin},{'O',0,kBarra},{'U',0,kGrave},{'U',0,kAgudo},{'U',0,kCircunflejo},
    {'U',0,kDieresis},{'Y',0,kAgudo},{'T','H',kOtro},{'S','S',kOtro},
    // U+00E0 à á â ã ä å æ ç è é ê ë ì í î ï
    {'A',0,kGrave},{'A',0,kAgudo},{'A',0,kCircunflejo},{'A',0,kTilde},{'A',0,kDieresis},{'A',0,kAnillo},
    {'A','E',kOtro},{'C',0,kCedilla},{'E',0,kGrave},{'E',0,kAgudo},{'E',0,kCircunflejo},{'E',0,kDieresis},
    {'I',0,kGrave},{'I',0,kAgudo},{'I',0,kCircunflejo},{'I',0,kDieresis},
    // U+00F0 ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    {'D',0,kBarra},{'N',0,kSin},{'O',0,kGrave},{'O',0,kAgudo},{'O',0,kCircunflejo},{'O',0,kTilde},
    {'O',0,kDieresis},{' ',0,kSin},{'O',0,kBarra},{'U',0,kGrave},{'U',0,kAgudo},{'U',0,kCircunflejo},
    {'U',0,kDieresis},{'Y',0,kAgudo},{'T','H',kOtro},{'Y',0,kDieresis},
    // U+0100 Āā Ăă Ąą Ćć Ĉĉ Ċċ Čč Ďď
    {'A',0,kMacron},{'A',0,kMacron},{'A',0,kBreve},{'A',0,kBreve},{'A',0,kOgonek},{'A',0,kOgonek},
    {'C',0,kAgudo},{'C',0,kAgudo},{'C',0,kCircunflejo},{'C',0,kCircunflejo},{'C',0,kPunto},{'C',0,kPunto},
    {'C',0,kCaron},{'C',0,kCaron},{'D',0,kCaron},{'D',0,kCaron},
    // U+0110 Đđ Ēē Ĕĕ Ėė Ęę Ěě Ĝĝ Ğğ
    {'D',0,kBarra},{'D',0,kBarra},{'E',0,kMacron},{'E',0,kMacron},{'E',0,kBreve},{'E',0,kBreve},
    {'E',0,kPunto},{'E',0,kPunto},{'E',0,kOgonek},{'E',0,kOgonek},{'E',0,kCaron},{'E',0,kCaron},
    {'G',0,kCircunflejo},{'G',0,kCircunflejo},{'G',0,kBreve},{'G',0,kBreve},
    // U+0120 Ġġ Ģģ Ĥĥ Ħħ Ĩĩ Īī Ĭĭ Įį
    {'G',0,kPunto},{'G',0,kPunto},{'G',0,kCedilla},{'G',0,kCedilla},{'H',0,kCircunflejo},{'H',0,kCircunflejo},
    {'H',0,kBarra},{'H',0,kBarra},{'I',0,kTilde},{'I',0,kTilde},{'I',0,kMacron},{'I',0,kMacron},
    {'I',0,kBreve},{'I',0,kBreve},{'I',0,kOgonek},{'I',0,kOgonek},
    // U+0130 İ ı Ĳĳ Ĵĵ Ķķ ĸ Ĺĺ Ļļ Ľ
    {'I',0,kPunto},{'I',0,kOtro},{'I','J',kOtro},{'I','J',kOtro},{'J',0,kCircunflejo},{'J',0,kCircunflejo},
    {'K',0,kCedilla},{'K',0,kCedilla},{'K',0,kOtro},{'L',0,kAgudo},{'L',0,kAgudo},{'L',0,kCedilla},
    {'L',0,kCedilla},{'L',0,kCaron},{'L',0,kCaron},{'L',0,kPunto},
    // U+0140 ŀ Łł Ńń Ņņ Ňň ŉ Ŋŋ Ōō Ŏ
    {'L',0,kPunto},{'L',0,kBarra},{'L',0,kBarra},{'N',0,kAgudo},{'N',0,kAgudo},{'N',0,kCedilla},
    {'N',0,kCedilla},{'N',0,kCaron},{'N',0,kCaron},{'N',0,kOtro},{'N',0,kOtro},{'N',0,kOtro},
    {'O',0,kMacron},{'O',0,kMacron},{'O',0,kBreve},{'O',0,kBreve},
    // U+0150 Őő Œœ Ŕŕ Ŗŗ Řř Śś Ŝŝ Şş
    {'O',0,kDobleAgudo},{'O',0,kDobleAgudo},{'O','E',kOtro},{'O','E',kOtro},{'R',0,kAgudo},{'R',0,kAgudo},
    {'R',0,kCedilla},{'R',0,kCedilla},{'R',0,kCaron},{'R',0,kCaron},{'S',0,kAgudo},{'S',0,kAgudo},
    {'S',0,kCircunflejo},{'S',0,kCircunflejo},{'S',0,kCedilla},{'S',0,kCedilla},
    // U+0160 Šš Ţţ Ťť Ŧŧ Ũũ Ūū Ŭŭ Ůů
    {'S',0,kCaron},{'S',0,kCaron},{'T',0,kCedilla},{'T',0,kCedilla},{'T',0,kCaron},{'T',0,kCaron},
    {'T',0,kBarra},{'T',0,kBarra},{'U',0,kTilde},{'U',0,kTilde},{'U',0,kMacron},{'U',0,kMacron},
    {'U',0,kBreve},{'U',0,kBreve},{'U',0,kAnillo},{'U',0,kAnillo},
    // U+0170 Űű Ųų Ŵŵ Ŷŷ Ÿ Źź Żż Žž ſ
    {'U',0,kDobleAgudo},{'U',0,kDobleAgudo},{'U',0,kOgonek},{'U',0,kOgonek},{'W',0,kCircunflejo},
    {'W',0,kCircunflejo},{'Y',0,kCircunflejo},{'Y',0,kCircunflejo},{'Y',0,kDieresis},{'Z',0,kAgudo},
    {'Z',0,kAgudo},{'Z',0,kPunto},{'Z',0,kPunto},{'Z',0,kCaron},{'Z',0,kCaron},{'S',0,kOtro},
};
// clang-format on
static_assert(sizeof(kLatinas) / sizeof(kLatinas[0]) == 0x180 - 0xC0, "one entry per character");

// First-level weight of the first element of each character below U+0180, as the reader
// below gives it.
struct PrimerosPesos {
    uint32_t peso[0x180];
    constexpr PrimerosPesos() : peso()
    {
        for (unsigned c = 0; c < 0x180; ++c) {
            if (c < 0x80)
                peso[c] = PesoAscii(static_cast<unsigned char>(c));
            else if (c == 0xD1 || c == 0xF1)
                peso[c] = kEnie;
            else if (c >= 0xC0 && kLatinas[c - 0xC0].base1 != ' ')
                peso[c] = Letra(kLatinas[c - 0xC0].base1);
            else
                peso[c] = c + 1;
        }
    }
};
inline constexpr PrimerosPesos kPrimerosPesos;

// The first-level weight of the character that starts at byte i of a text of n bytes, when it
// is ASCII or a valid two-byte character below U+0180; false for any other.
inline bool PrimerPeso(const unsigned char* t, int n, int i, uint32_t& peso)
{
    const unsigned char b = t[i];
    if (b < 0x80) {
        peso = kPrimerosPesos.peso[b];
        return true;
    }
    if (b < 0xC2 || b > 0xC5 || i + 1 >= n || (t[i + 1] & 0xC0) != 0x80)
        return false;
    peso = kPrimerosPesos.peso[((b & 0x1Fu) << 6) | (t[i + 1] & 0x3Fu)];
    return true;
}

// Reads the collation elements of a UTF-8 text one by one. A byte that does not start a
// valid sequence counts as a character of its own, so every text has a fixed place.
class Cursor {
public:
    Cursor(const void* texto, int bytes)
        : p_(static_cast<const unsigned char*>(texto)), fin_(p_ + (bytes > 0 ? bytes : 0))
    {
    }

    // True when the next element is a plain ASCII character (no accent), read by Ascii().
    bool HayAscii() const { return !pendiente_.primaria && p_ < fin_ && *p_ < 0x80; }
    uint32_t Ascii() { return kPrimerosPesos.peso[*p_++]; }

    // The next element; false at the end of the text.
    bool Siguiente(Clave& k)
    {
        if (pendiente_.primaria) {
            k = pendiente_;
            pendiente_ = Clave{};
            return true;
        }
        if (p_ >= fin_)
            return false;
        const uint32_t c = Caracter();
        if (c < 0x80) {
            if (c >= 'a' && c <= 'z')
                k = {Letra(static_cast<char>(c - 'a' + 'A')), kSin};
            else if (c >= 'A' && c <= 'Z')
                k = {Letra(static_cast<char>(c)), kSin};
            else
                k = {c + 1, kSin};
            return true;
        }
        if (c == 0xD1 || c == 0xF1) {  // Ñ ñ
            k = {kEnie, kSin};
            return true;
        }
        if (c >= 0xC0 && c < 0x180) {
            const Descomposicion& d = kLatinas[c - 0xC0];
            if (d.base1 != ' ') {
                k = {Letra(d.base1), d.acento};
                if (d.base2)
                    pendiente_ = {Letra(d.base2), d.acento};
                return true;
            }
        }
        k = {c + 1, kSin};
        return true;
    }

private:
    // Decodes one character and moves past it.
    uint32_t Caracter()
    {
        const unsigned char b = *p_;
        int resto = 0;
        uint32_t c = 0;
        uint32_t minimo = 0;
        if (b < 0x80) {
            ++p_;
            return b;
        } else if ((b & 0xE0) == 0xC0) {
            resto = 1;
            c = b & 0x1F;
            minimo = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            resto = 2;
            c = b & 0x0F;
            minimo = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            resto = 3;
            c = b & 0x07;
            minimo = 0x10000;
        } else {
            ++p_;
            return 0x110000u + b;  // a stray byte: beyond every character
        }
        if (fin_ - p_ <= resto) {
            ++p_;
            return 0x110000u + b;
        }
        for (int i = 1; i <= resto; ++i) {
            if ((p_[i] & 0xC0) != 0x80) {
                ++p_;
                return 0x110000u + b;
            }
            c = (c << 6) | (p_[i] & 0x3F);
        }
        if (c < minimo || c > 0x10FFFF) {
            ++p_;
            return 0x110000u + b;
        }
        p_ += resto + 1;
        return c;
    }

    const unsigned char* p_;
    const unsigned char* fin_;
    Clave pendiente_;
};

// Start of the character that holds byte i of a text: a continuation byte (10xxxxxx) never
// starts one, and the reader above never reads any other byte as the middle of a character.
inline int InicioCaracter(const unsigned char* t, int i)
{
    while (i > 0 && (t[i] & 0xC0) == 0x80)
        --i;
    return i;
}

// Compares two UTF-8 texts: letters first (accents and case ignored, Ñ after N), then the
// accents from left to right; trailing blanks are ignored. Negative, 0 or positive, as sqlite3 expects.
// One pass: the first different letter decides; failing that, the shorter text comes first;
// failing that, the first different accent. A common leading run of bytes is skipped at once
// (street names share "CALLE ", "KALE " ...), back to the start of a character.
inline int Comparar(void* /*contexto*/, int bytes1, const void* texto1, int bytes2, const void* texto2)
{
    const auto* a = static_cast<const unsigned char*>(texto1);
    const auto* b = static_cast<const unsigned char*>(texto2);
    int n1 = bytes1 > 0 ? bytes1 : 0;
    int n2 = bytes2 > 0 ? bytes2 : 0;
    // Trailing blanks mean nothing in a name: "ZI-1  " is "ZI-1".
    while (n1 > 0 && a[n1 - 1] == ' ')
        --n1;
    while (n2 > 0 && b[n2 - 1] == ' ')
        --n2;
    int comun = 0;
    while (comun < n1 && comun < n2 && a[comun] == b[comun])
        ++comun;
    if (comun == n1 && comun == n2)
        return 0;
    if (comun < n1 && comun < n2)
        comun = std::min(InicioCaracter(a, comun), InicioCaracter(b, comun));
    else
        comun = InicioCaracter(comun < n1 ? a : b, comun);
    // Most names differ first in two letters of different weight: that decides at once. Both
    // texts start a character at `comun` (ASCII or a valid two-byte one, neither of which
    // continues a character), so the same bytes before it gave the same elements.
    uint32_t pa = 0, pb = 0;
    if (comun < n1 && comun < n2 && PrimerPeso(a, n1, comun, pa) && PrimerPeso(b, n2, comun, pb) && pa != pb)
        return pa < pb ? -1 : 1;
    Cursor ca(a + comun, n1 - comun);
    Cursor cb(b + comun, n2 - comun);
    Clave ka, kb;
    int acento = 0;
    for (;;) {
        if (ca.HayAscii() && cb.HayAscii()) {
            const uint32_t pa = ca.Ascii(), pb = cb.Ascii();
            if (pa != pb)
                return pa < pb ? -1 : 1;
            continue;
        }
        const bool hayA = ca.Siguiente(ka);
        const bool hayB = cb.Siguiente(kb);
        if (!hayA || !hayB) {
            if (hayA != hayB)
                return hayA ? 1 : -1;  // the shorter text first
            return acento;
        }
        if (ka.primaria != kb.primaria)
            return ka.primaria < kb.primaria ? -1 : 1;
        if (acento == 0 && ka.acento != kb.acento)
            acento = ka.acento < kb.acento ? -1 : 1;
    }
}

}  // namespace colacion_es

// Name of the collation on the program's connection.
inline constexpr const char* kColacionEs = "ES";

// Registers the collation "ES" on a connection; SQLITE_OK when done.
inline int RegistrarColacionEs(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, kColacionEs, SQLITE_UTF8, nullptr, &colacion_es::Comparar, nullptr);
}

namespace colacion_es {

// The tables shown through a view, and the name column of each that takes the Spanish order.
struct TablaOrdenada {
    const char* tabla;
    const char* columna;
};
inline constexpr TablaOrdenada kTablasOrdenadas[] = {
    {"t05_calles_nombre", "t05_nomcal"},
    {"t09_industrial", "t09_zonind"},
    {"t08_comercial", "t08_szncod"},
};

// The view of one table: its own columns, in their order, the name column in Spanish order.
// Empty text when the file has no such table or no such column. SQLITE_OK in *rc unless the
// schema could not be read.
inline std::string Vista(sqlite3* db, const TablaOrdenada& t, int* rc)
{
    sqlite3_stmt* st = nullptr;
    const std::string pragma = std::string("PRAGMA main.table_info(\"") + t.tabla + "\")";
    *rc = sqlite3_prepare_v2(db, pragma.c_str(), -1, &st, nullptr);
    std::string columnas;
    bool conNombre = false;
    while (*rc == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
        const auto* c = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        const std::string col = c ? c : "";
        if (col.empty() || col.find('"') != std::string::npos)
            continue;
        if (!columnas.empty())
            columnas += ", ";
        if (sqlite3_stricmp(col.c_str(), t.columna) == 0) {
            columnas.append("\"").append(col).append("\" COLLATE ES AS \"").append(col).append("\"");
            conNombre = true;
        } else {
            columnas += "\"" + col + "\"";
        }
    }
    if (*rc == SQLITE_OK)
        *rc = sqlite3_finalize(st) == SQLITE_OK ? SQLITE_OK : sqlite3_errcode(db);
    else
        sqlite3_finalize(st);
    if (*rc != SQLITE_OK || !conNombre)
        return std::string();
    return std::string("CREATE TEMP VIEW IF NOT EXISTS ") + t.tabla + " AS SELECT " + columnas + " FROM main." +
           t.tabla + ";";
}

}  // namespace colacion_es

// Gives the connection the Spanish order of street and industrial-zone names: registers the
// collation "ES" and creates temporary views with the names and columns of the tables
// t05_calles_nombre and t09_industrial, their name column in that order. A temporary object
// is found before a table of the file with the same name, so the program's statements read
// the views; they live in the connection's memory only and the file never names "ES".
// SQLITE_OK when done (also when the file lacks those tables); otherwise (another program
// holds the file locked while its schema is read, the file is not a database) it may be
// called again later.
inline int PrepararOrdenEspanol(sqlite3* db)
{
    int rc = RegistrarColacionEs(db);
    for (const colacion_es::TablaOrdenada& t : colacion_es::kTablasOrdenadas) {
        if (rc != SQLITE_OK)
            break;
        const std::string vista = colacion_es::Vista(db, t, &rc);
        if (rc == SQLITE_OK && !vista.empty())
            rc = sqlite3_exec(db, vista.c_str(), nullptr, nullptr, nullptr);
    }
    return rc;
}

// True when a statement could not be prepared because it changes a table through one of
// these views (the views take no writes: a statement that changes those tables, for tests
// and tools, is run with the views lifted: QuitarOrdenEspanol, then PrepararOrdenEspanol).
inline bool EscrituraEnVistaOrdenada(sqlite3* db)
{
    const char* msg = sqlite3_errmsg(db);
    if (!msg || !std::strstr(msg, "because it is a view"))
        return false;
    for (const colacion_es::TablaOrdenada& t : colacion_es::kTablasOrdenadas) {
        if (std::strstr(msg, t.tabla))
            return true;
    }
    return false;
}

// Drops the views of the Spanish order (the tables of the file are left as they are).
inline int QuitarOrdenEspanol(sqlite3* db)
{
    int rc = SQLITE_OK;
    for (const colacion_es::TablaOrdenada& t : colacion_es::kTablasOrdenadas) {
        const std::string drop = std::string("DROP VIEW IF EXISTS temp.") + t.tabla + ";";
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, drop.c_str(), nullptr, nullptr, nullptr);
    }
    return rc;
}

// While alive, the views of the Spanish order are lifted (when `levantar`); they are put back
// at the end of the scope.
class OrdenEspanolLevantado {
public:
    OrdenEspanolLevantado(sqlite3* db, bool levantar) : db_(levantar ? db : nullptr)
    {
        if (db_)
            QuitarOrdenEspanol(db_);
    }
    ~OrdenEspanolLevantado()
    {
        if (db_)
            PrepararOrdenEspanol(db_);
    }
    OrdenEspanolLevantado(const OrdenEspanolLevantado&) = delete;
    OrdenEspanolLevantado& operator=(const OrdenEspanolLevantado&) = delete;
    bool Activo() const { return db_ != nullptr; }

private:
    sqlite3* db_;
};
