#include "core/Registros.h"

#include "core/Redondeo.h"

#include <QHash>
#include <limits>
#include <stdexcept>
#include <type_traits>

namespace {

constexpr std::size_t kCodes = static_cast<std::size_t>(RecordCode::Count);

struct CodeInfo {
    const char* name;                     // UTF-8
    int16_t decimals;                     // doubles: decimals the setter rounds to
    OnEmpty byRecord[kNumeroTipologias];  // column of each record
};

// clang-format off
constexpr CodeInfo kTable[kCodes] = {
#define CODE(c, T, d, r1, r2, r3, r4, r5, r6, r7, r8, r9)                                         \
    {#c, d, {OnEmpty::r1, OnEmpty::r2, OnEmpty::r3, OnEmpty::r4, OnEmpty::r5, OnEmpty::r6,         \
             OnEmpty::r7, OnEmpty::r8, OnEmpty::r9}},
#include "core/Registros.def"
};
// clang-format on

const CodeInfo& Info(RecordCode c) { return kTable[static_cast<std::size_t>(c)]; }

// Emptied value of a field.
void EmptyField(bool& v, OnEmpty) { v = false; }
void EmptyField(int16_t& v, OnEmpty) { v = 0; }
void EmptyField(int32_t& v, OnEmpty) { v = 0; }
void EmptyField(double& v, OnEmpty e) { v = (e == OnEmpty::one) ? 1.0 : 0.0; }
void EmptyField(QString& v, OnEmpty e) { v = (e == OnEmpty::x) ? QStringLiteral("X") : QString(); }

QVariant ToVariant(bool v) { return QVariant(v); }
QVariant ToVariant(int16_t v) { return QVariant(int(v)); }
QVariant ToVariant(int32_t v) { return QVariant(int(v)); }
QVariant ToVariant(double v) { return QVariant(v); }
QVariant ToVariant(const QString& v) { return QVariant(v); }

[[noreturn]] void Refuse(const QString& code, const QVariant& v)
{
    throw std::invalid_argument("cannot store " + v.toString().toStdString() + " in " + code.toStdString());
}

// The value of v in the property's type; throws when it does not convert.
template <typename T>
T FromVariant(const QString& code, const QVariant& v)
{
    if (!v.isValid())
        Refuse(code, v);
    if constexpr (std::is_same_v<T, bool>) {
        if (!v.canConvert<bool>())
            Refuse(code, v);
        return v.toBool();
    } else if constexpr (std::is_same_v<T, double>) {
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            Refuse(code, v);
        return d;
    } else if constexpr (std::is_same_v<T, QString>) {
        if (!v.canConvert<QString>())
            Refuse(code, v);
        return v.toString();
    } else {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok || n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max())
            Refuse(code, v);
        return static_cast<T>(n);
    }
}

}  // namespace

CDatosTip::CDatosTip(int tipo) : tipo_(tipo)
{
    if (tipo < 1 || tipo > kNumeroTipologias)
        throw std::out_of_range("typology " + std::to_string(tipo));
    f_.MIN = false;
}

CDatosTip& CDatosTip::operator=(const CDatosTip& other)
{
    if (other.tipo_ != tipo_)
        throw std::invalid_argument("a record of typology " + std::to_string(other.tipo_) +
                                    " cannot replace one of typology " + std::to_string(tipo_));
    f_ = other.f_;
    des_ = other.des_;
    return *this;
}

std::optional<RecordCode> CDatosTip::CodeFromName(const QString& code)
{
    static const QHash<QString, RecordCode> kByName = [] {
        QHash<QString, RecordCode> h;
        for (std::size_t i = 0; i < kCodes; ++i)
            h.insert(QString::fromUtf8(kTable[i].name), static_cast<RecordCode>(i));
        return h;
    }();
    const auto it = kByName.constFind(code);
    if (it == kByName.constEnd())
        return std::nullopt;
    return it.value();
}

QString CDatosTip::CodeName(RecordCode c) { return QString::fromUtf8(Info(c).name); }

OnEmpty CDatosTip::Emptying(RecordCode c) const { return Info(c).byRecord[tipo_ - 1]; }

bool CDatosTip::Has(const QString& code) const
{
    const auto c = CodeFromName(code);
    return c && Has(*c);
}

bool CDatosTip::Has(RecordCode c) const { return c != RecordCode::Count && Emptying(c) != OnEmpty::none; }

QVariant CDatosTip::Get(const QString& code) const
{
    const auto c = CodeFromName(code);
    if (!c || !Has(*c))
        throw std::invalid_argument("typology " + std::to_string(tipo_) + " has no " + code.toStdString());
    return Get(*c);
}

QVariant CDatosTip::Get(RecordCode c) const
{
    if (!Has(c))
        throw std::invalid_argument("typology " + std::to_string(tipo_) + " has no " + CodeName(c).toStdString());
    switch (c) {
#define CODE(c, T, d, ...) \
    case RecordCode::c:    \
        return ToVariant(f_.c);
#include "core/Registros.def"
    case RecordCode::Count:
        break;
    }
    return QVariant();
}

void CDatosTip::Set(const QString& code, const QVariant& v)
{
    const auto c = CodeFromName(code);
    if (!c || !Has(*c))
        throw std::invalid_argument("typology " + std::to_string(tipo_) + " has no " + code.toStdString());
    Set(*c, v);
}

void CDatosTip::Set(RecordCode c, const QVariant& v)
{
    if (!Has(c))
        throw std::invalid_argument("typology " + std::to_string(tipo_) + " has no " + CodeName(c).toStdString());
    const QString code = CodeName(c);
    switch (c) {
#define CODE(c, T, d, ...)                                 \
    case RecordCode::c:                                    \
        Put(RecordCode::c, f_.c, FromVariant<T>(code, v)); \
        break;
#include "core/Registros.def"
    case RecordCode::Count:
        break;
    }
}

void CDatosTip::Put(RecordCode c, double& field, double v)
{
    field = (Emptying(c) == OnEmpty::raw) ? v : RedondearDecimales(v, Info(c).decimals);
}

void CDatosTip::Put(RecordCode c, QString& field, QString v)
{
    field = std::move(v);
    if (c == RecordCode::SVL && field == QLatin1String("V"))
        Vaciar();
}

void CDatosTip::Vaciar()
{
    for (QString& line : des_)
        line.clear();
#define CODE(c, T, d, ...)                                                                   \
    if (const OnEmpty e = Emptying(RecordCode::c); e != OnEmpty::none && e != OnEmpty::keep) \
        EmptyField(f_.c, e);
#include "core/Registros.def"
}

std::size_t CDatosTip::LineIndex(int16_t index) const
{
    if (index < 0 || index > 3)
        throw std::out_of_range("description line " + std::to_string(index));
    return static_cast<std::size_t>(index);
}

QString CDatosTip::DES(int16_t index) const { return des_[LineIndex(index)]; }

void CDatosTip::EscribirDES(const QString& texto, int16_t index) { des_[LineIndex(index)] = texto; }

std::unique_ptr<CDatosTip> CrearRegistro(int tipo)
{
    // clang-format off
    switch (tipo) {
    case 1: return std::make_unique<CDatosTip1>();
    case 2: return std::make_unique<cDatosTip2>();
    case 3: return std::make_unique<CDatosTip3>();
    case 4: return std::make_unique<cDatosTip4>();
    case 5: return std::make_unique<cDatosTip5>();
    case 6: return std::make_unique<cDatosTip6>();
    case 7: return std::make_unique<cDatosTip7>();
    case 8: return std::make_unique<cDatosTip8>();
    case 9: return std::make_unique<cDatosTip9>();
    default: throw std::out_of_range("typology " + std::to_string(tipo));
    }
    // clang-format on
}
