#pragma once
// The collation "ES" of the valuation database: Spanish order of names.
//  - Case is ignored ("Calle" equals "CALLE").
//  - Accents count only when the letters are the same (ÁLAVA sorts with ALAVA, just after it).
//  - Ñ is a letter of its own between N and O (AÑORGA after ANTZUOLA, before AOIZ).
//  - Blanks, digits and signs sort before letters, by their character code.
// Pure C++ on UTF-8 texts (no Qt), so that the database builder registers the same order as
// the program: the schema's indexes are kept in this order, and every connection that reads
// or writes a column declared with it must register it first (RegistrarColacionEs).
#include <sqlite3.h>

#include <cstdint>

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

constexpr uint32_t kBaseLetras = 0x200000; // above every character code

// First-level weight of a Latin letter 'A'..'Z'; Ñ stands between N and O.
constexpr uint32_t Letra(char mayuscula)
{
    return kBaseLetras + 2u * static_cast<uint32_t>(mayuscula - 'A');
}
constexpr uint32_t kEnie = Letra('N') + 1;

// Letters with marks of U+00C0..U+017F: base letter(s) and accent. A space as base letter
// means the character is not a letter (× ÷) and sorts by its code.
struct Descomposicion {
    char base1;
    char base2; // second letter of Æ, Œ, ß, Ĳ, Þ; 0 when none
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

// Reads the collation elements of a UTF-8 text one by one. A byte that does not start a
// valid sequence counts as a character of its own, so every text has a fixed place.
class Cursor {
public:
    Cursor(const void* texto, int bytes)
        : p_(static_cast<const unsigned char*>(texto)), fin_(p_ + (bytes > 0 ? bytes : 0))
    {
    }

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
        if (c == 0xD1 || c == 0xF1) { // Ñ ñ
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
            return 0x110000u + b; // a stray byte: beyond every character
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

// Compares two UTF-8 texts: letters first (accents and case ignored, Ñ after N), then the
// accents from left to right. Negative, 0 or positive, as sqlite3 expects.
inline int Comparar(void* /*contexto*/, int bytes1, const void* texto1, int bytes2, const void* texto2)
{
    for (int nivel = 1; nivel <= 2; ++nivel) {
        Cursor a(texto1, bytes1);
        Cursor b(texto2, bytes2);
        Clave ka, kb;
        for (;;) {
            const bool hayA = a.Siguiente(ka);
            const bool hayB = b.Siguiente(kb);
            if (!hayA || !hayB) {
                if (hayA != hayB)
                    return hayA ? 1 : -1; // the shorter text first
                break;
            }
            const uint32_t va = nivel == 1 ? ka.primaria : ka.acento;
            const uint32_t vb = nivel == 1 ? kb.primaria : kb.acento;
            if (va != vb)
                return va < vb ? -1 : 1;
        }
    }
    return 0;
}

} // namespace colacion_es

// Name of the collation in the schema.
inline constexpr const char* kColacionEs = "ES";

// Registers the collation "ES" on a connection; SQLITE_OK when done.
inline int RegistrarColacionEs(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, kColacionEs, SQLITE_UTF8, nullptr, &colacion_es::Comparar, nullptr);
}
