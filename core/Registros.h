#pragma once

// The nine typology records. All share one model, CDatosTip, whose fields come from the code table
// in Registros.def: which codes each record has, how a setter rounds, what the emptying keeps.
// Each record class adds only the typed accessors of its codes (P1_SBU(), setP1_SBU(v), ...), so a
// CDatosTip value holds a whole record: copy one to snapshot it, assign it back to restore it.

#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

// Every code of the common model, in table order.
enum class RecordCode : uint8_t {
#define CODE(c, T, d, ...) c,
#include "core/Registros.def"
    Count
};

// The typologies are numbered 1 to kNumeroTipologias, one record column of Registros.def each.
inline constexpr int kNumeroTipologias = 9;

// What the emptying does to a property of one record (the columns of the table).
enum class OnEmpty : uint8_t { none, keep, clear, one, x, raw };

// One field per code; a record uses the fields of the codes it has.
struct RecordFields {
#define CODE(c, T, d, ...) T c{};
#include "core/Registros.def"
};

class CDatosTip {
public:
    virtual ~CDatosTip() = default;
    CDatosTip(const CDatosTip&) = default;
    // Assigning a snapshot restores it; a snapshot of another typology is refused (std::invalid_argument).
    CDatosTip& operator=(const CDatosTip& other);

    // Typology 1..9 of the record.
    int Tipo() const { return tipo_; }

    // Generic access by code ("SBU", "AÑOP", "SVL"; the description lines are reached through DES).
    bool Has(const QString& code) const;
    // The value as bool, int (16- and 32-bit properties), double or QString.
    // Throws std::invalid_argument for a code the record has not.
    QVariant Get(const QString& code) const;
    // Stores as the typed setter does (rounding, emptying on exactly "V"). Throws std::invalid_argument,
    // storing nothing, for a code the record has not or a value that does not convert to its type.
    void Set(const QString& code, const QVariant& v);
    // The same by code, for code that serves several records (no name to look up).
    bool Has(RecordCode c) const;
    QVariant Get(RecordCode c) const;
    void Set(RecordCode c, const QVariant& v);

    // Description lines 0 to 3; another index throws std::out_of_range.
    QString DES(int16_t index) const;
    void EscribirDES(const QString& texto, int16_t index);

    // The table's entries for this record.
    static std::optional<RecordCode> CodeFromName(const QString& code);
    static QString CodeName(RecordCode c);
    OnEmpty Emptying(RecordCode c) const;

protected:
    explicit CDatosTip(int tipo);

    // Setters of the typed accessors.
    void Put(RecordCode c, double& field, double v);
    void Put(RecordCode c, QString& field, QString v);
    template <typename T>
    void Put(RecordCode, T& field, T v)
    {
        field = v;
    }

    RecordFields f_;

private:
    void Vaciar();
    std::size_t LineIndex(int16_t index) const;

    int tipo_;
    std::array<QString, 4> des_;
};

// A new record of typology 1..9 (std::out_of_range for any other number).
std::unique_ptr<CDatosTip> CrearRegistro(int tipo);

// Typed accessors of record N for one code, present only when the table's column says so.
#define REGISTRO_PROPIEDAD(N, c, T, e) REGISTRO_PROPIEDAD_##e(N, c, T)
#define REGISTRO_PROPIEDAD_none(N, c, T)
#define REGISTRO_PROPIEDAD_keep(N, c, T) REGISTRO_ACCESOS(N, c, T)
#define REGISTRO_PROPIEDAD_clear(N, c, T) REGISTRO_ACCESOS(N, c, T)
#define REGISTRO_PROPIEDAD_one(N, c, T) REGISTRO_ACCESOS(N, c, T)
#define REGISTRO_PROPIEDAD_x(N, c, T) REGISTRO_ACCESOS(N, c, T)
#define REGISTRO_PROPIEDAD_raw(N, c, T) REGISTRO_ACCESOS(N, c, T)
#define REGISTRO_ACCESOS(N, c, T)         \
    T P##N##_##c() const { return f_.c; } \
    void setP##N##_##c(T v) { Put(RecordCode::c, f_.c, std::move(v)); }

#define REGISTRO_DESCRIPCION(N)                                    \
    QString P##N##_DES(int16_t index) const { return DES(index); } \
    void EscribirP##N##_DES(const QString& texto, int16_t index) { EscribirDES(texto, index); }

// Typology 1: dwelling.
class CDatosTip1 : public CDatosTip {
public:
    CDatosTip1() : CDatosTip(1) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(1, c, T, r1)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(1)
};

// Typology 2: storage room.
class cDatosTip2 : public CDatosTip {
public:
    cDatosTip2() : CDatosTip(2) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(2, c, T, r2)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(2)
};

// Typology 3: garage or parking space.
class CDatosTip3 : public CDatosTip {
public:
    CDatosTip3() : CDatosTip(3) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(3, c, T, r3)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(3)
};

// Typology 4: shop with direct access to the street, residential zone.
class cDatosTip4 : public CDatosTip {
public:
    cDatosTip4() : CDatosTip(4) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(4, c, T, r4)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(4)
};

// Typology 5: shop in a commercial building, residential zone.
class cDatosTip5 : public CDatosTip {
public:
    cDatosTip5() : CDatosTip(5) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(5, c, T, r5)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(5)
};

// Typology 6: shop in a commercial building, industrial zone.
class cDatosTip6 : public CDatosTip {
public:
    cDatosTip6() : CDatosTip(6) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(6, c, T, r6)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(6)
};

// Typology 7: office, residential zone.
class cDatosTip7 : public CDatosTip {
public:
    cDatosTip7() : CDatosTip(7) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(7, c, T, r7)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(7)
};

// Typology 8: office, industrial zone.
class cDatosTip8 : public CDatosTip {
public:
    cDatosTip8() : CDatosTip(8) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(8, c, T, r8)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(8)
};

// Typology 9: industrial building.
class cDatosTip9 : public CDatosTip {
public:
    cDatosTip9() : CDatosTip(9) {}
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9) REGISTRO_PROPIEDAD(9, c, T, r9)
#include "core/Registros.def"
    REGISTRO_DESCRIPCION(9)
};

#undef REGISTRO_PROPIEDAD
#undef REGISTRO_PROPIEDAD_none
#undef REGISTRO_PROPIEDAD_keep
#undef REGISTRO_PROPIEDAD_clear
#undef REGISTRO_PROPIEDAD_one
#undef REGISTRO_PROPIEDAD_x
#undef REGISTRO_PROPIEDAD_raw
#undef REGISTRO_ACCESOS
#undef REGISTRO_DESCRIPCION
