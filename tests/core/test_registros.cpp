#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>
#include <type_traits>

#include "core/Registros.h"

namespace {

enum class Kind { Flag, I16, I32, Dbl, Text };

struct CodeKind {
    const char* code;
    Kind kind;
    int decimals;  // doubles
};

// The common model: every code any record has, its type and the decimals its setter rounds to.
const CodeKind kModel[] = {
    {"MIN", Kind::Flag, 0},   {"FECV", Kind::I32, 0}, {"MON", Kind::Text, 0}, {"EJER", Kind::I16, 0},
    {"VER", Kind::I16, 0},    {"AÑOP", Kind::I16, 0}, {"COA", Kind::Dbl, 6},  {"RP", Kind::Dbl, 2},
    {"PTI", Kind::Dbl, 2},    {"VAD", Kind::Dbl, 0},  {"VAC", Kind::Dbl, 0},  {"VCO", Kind::Dbl, 0},
    {"VAF", Kind::Dbl, 0},    {"VCF", Kind::Dbl, 0},  {"VSF", Kind::Dbl, 0},  {"ANTTIPO", Kind::Text, 0},
    {"ANTDAT", Kind::I32, 0}, {"ANT", Kind::I16, 0},  {"DEP", Kind::Dbl, 4},  {"SBU", Kind::Dbl, 2},
    {"TSU", Kind::Text, 0},   {"SHO", Kind::Dbl, 4},  {"CL1", Kind::Text, 0}, {"CL2", Kind::Text, 0},
    {"CL3", Kind::Text, 0},   {"CL4", Kind::Text, 0}, {"CCL", Kind::Dbl, 2},  {"TVI", Kind::Text, 0},
    {"CCO", Kind::Dbl, 0},    {"VRR", Kind::Dbl, 0},  {"VRC", Kind::Dbl, 0},  {"VRI", Kind::Dbl, 0},
    {"MAP", Kind::Dbl, 0},    {"CCS", Kind::Dbl, 4},  {"CCG", Kind::Dbl, 2},  {"TGA", Kind::Text, 0},
    {"MUN", Kind::Text, 0},   {"CAL", Kind::Text, 0}, {"NUP", Kind::I16, 0},  {"NUR", Kind::I16, 0},
    {"NOR", Kind::Text, 0},   {"NUS", Kind::Text, 0}, {"NUI", Kind::Text, 0}, {"SVL", Kind::Text, 0},
};

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList Words(const char* utf8) { return Q(utf8).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// Each record: the codes it has (its members, description lines aside) and those its emptying keeps.
struct RecordExpectation {
    int tipo;
    const char* has;
    const char* kept;
};

// clang-format off
const RecordExpectation kRecords[] = {
    {1, "MIN FECV MON RP VAC COA AÑOP ANTDAT ANTTIPO DEP VAF PTI VCO VCF VSF VAD ANT CCL CL4 CL3 CL2 CL1 SHO TSU "
        "SBU TVI CCO VRR NOR NUR NUP CAL MUN SVL EJER VER",
     "CCL ANTTIPO MON FECV EJER VER MIN"},
    {2, "MIN VCF VSF MON PTI VCO RP COA AÑOP VAD DEP ANTTIPO ANTDAT FECV VAF VAC ANT CCL CL1 SHO TSU SBU TVI CCO "
        "VRR NOR NUR NUP CAL MUN SVL EJER VER",
     "CCO TVI TSU CCL FECV ANTTIPO MON EJER VER MIN"},
    {3, "MIN FECV MON VCO RP COA AÑOP VAF PTI VAC VAD CCS SBU TSU CCG TGA MAP NOR NUR NUP CAL MUN SVL EJER VER",
     "CCG MON FECV EJER VER MIN"},
    {4, "MIN VCF VSF MON VCO RP COA AÑOP VAD FECV VAF PTI VAC CL2 CCL CL1 SHO TSU SBU CCO VRC NUS NUP CAL MUN SVL "
        "EJER VER",
     "CCO TSU CCL FECV MON EJER VER MIN"},
    {5, "MIN CL1 MON VCO RP COA AÑOP ANTDAT ANTTIPO FECV VAF PTI VAC VCF VSF VAD DEP ANT CCL SHO TSU SBU CCO VRC "
        "NUS NUP CAL MUN SVL EJER VER",
     "CCO TSU CCL FECV ANTTIPO MON EJER VER MIN"},
    {6, "MIN VCF VSF MON VCO RP COA AÑOP VAD ANTDAT ANTTIPO FECV VAF PTI VAC DEP ANT CCL CL1 SHO TSU SBU CCO VRI "
        "NUI MUN SVL EJER",
     "CCO TSU CCL PTI FECV ANTTIPO MON EJER MIN"},
    {7, "MIN MON RP COA AÑOP DEP ANTDAT ANTTIPO FECV VAF PTI VAC VSF VCF VCO VAD ANT CCL CL1 SHO TSU SBU CCO VRR "
        "NOR NUR NUP CAL MUN SVL EJER VER",
     "CCO TSU CCL PTI FECV ANTTIPO MON EJER VER MIN"},
    {8, "MIN VCF VSF MON PTI VCO RP COA AÑOP VAD DEP ANTDAT ANTTIPO FECV VAF VAC ANT CCL CL1 SHO TSU SBU CCO VRI "
        "NUI MUN SVL EJER",
     "CCO TSU CCL FECV ANTTIPO MON EJER MIN"},
    {9, "MIN VCF VSF MON PTI VCO RP COA AÑOP VAD DEP ANTDAT ANTTIPO FECV VAF VAC ANT CCL SHO TSU SBU CCO VRI NUI "
        "MUN SVL EJER",
     "CCO TSU CCL FECV ANTTIPO MON EJER MIN"},
};
// clang-format on

// A value unlike anything the emptying writes (DEP 1, CL1 "X", zero, empty, false).
QVariant Filled(const CodeKind& c)
{
    // clang-format off
    switch (c.kind) {
    case Kind::Flag: return true;
    case Kind::I16: return 7;
    case Kind::I32: return 20030101;
    case Kind::Dbl: return 5.0;
    case Kind::Text: return QStringLiteral("t") + Q(c.code);
    }
    // clang-format on
    return {};
}

QVariant Emptied(int tipo, const CodeKind& c)
{
    if (Q(c.code) == QLatin1String("DEP"))
        return 1.0;
    if (tipo == 5 && Q(c.code) == QLatin1String("CL1"))
        return QStringLiteral("X");
    // clang-format off
    switch (c.kind) {
    case Kind::Flag: return false;
    case Kind::I16:
    case Kind::I32: return 0;
    case Kind::Dbl: return 0.0;
    case Kind::Text: return QString();
    }
    // clang-format on
    return {};
}

// Typed accessors carry the model's types, and records lack the codes they do not have.
static_assert(std::is_same_v<decltype(std::declval<CDatosTip1>().P1_AÑOP()), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDatosTip1>().P1_FECV()), int32_t>);
static_assert(std::is_same_v<decltype(std::declval<CDatosTip1>().P1_MIN()), bool>);
static_assert(std::is_same_v<decltype(std::declval<cDatosTip2>().P2_SBU()), double>);
static_assert(std::is_same_v<decltype(std::declval<cDatosTip9>().P9_NUI()), QString>);
// clang-format off
template <typename R> concept HasP3_DEP = requires(R r) { r.P3_DEP(); };
template <typename R> concept HasP6_VER = requires(R r) { r.P6_VER(); };
template <typename R> concept HasP9_CL1 = requires(R r) { r.P9_CL1(); };
template <typename R> concept HasP8_DES = requires(R r) { r.EscribirP8_DES(QString(), int16_t(0)); r.P8_DES(int16_t(0)); };
// clang-format on
static_assert(!HasP3_DEP<CDatosTip3>);
static_assert(!HasP6_VER<cDatosTip6>);
static_assert(!HasP9_CL1<cDatosTip9>);
static_assert(HasP8_DES<cDatosTip8>);

}  // namespace

TEST(Registros, EachRecordHasItsCodesOnly)
{
    for (const RecordExpectation& e : kRecords) {
        const auto r = CrearRegistro(e.tipo);
        EXPECT_EQ(r->Tipo(), e.tipo);
        const QStringList has = Words(e.has);
        for (const CodeKind& c : kModel)
            EXPECT_EQ(r->Has(Q(c.code)), has.contains(Q(c.code))) << "record " << e.tipo << " " << c.code;
        for (const QString& code : has)
            EXPECT_TRUE(r->Has(code)) << "record " << e.tipo << " " << code.toStdString();
        for (const char* other : {"DES", "XYZ", "", "sbu"})
            EXPECT_FALSE(r->Has(Q(other))) << other;
    }
}

TEST(Registros, EmptyingKeepsEachRecordsKeptList)
{
    for (const RecordExpectation& e : kRecords) {
        const auto r = CrearRegistro(e.tipo);
        const QStringList kept = Words(e.kept);
        for (const CodeKind& c : kModel) {
            if (r->Has(Q(c.code)) && Q(c.code) != QLatin1String("SVL"))
                r->Set(Q(c.code), Filled(c));
        }
        for (int16_t i = 0; i < 4; ++i)
            r->EscribirDES(QStringLiteral("line %1").arg(i), i);

        r->Set(QStringLiteral("SVL"), QStringLiteral("V"));

        for (const CodeKind& c : kModel) {
            const QString code = Q(c.code);
            if (!r->Has(code) || code == QLatin1String("SVL"))
                continue;
            const QVariant expected = kept.contains(code) ? Filled(c) : Emptied(e.tipo, c);
            EXPECT_EQ(r->Get(code), expected) << "record " << e.tipo << " " << c.code;
        }
        EXPECT_EQ(r->Get(QStringLiteral("SVL")).toString(), QStringLiteral("V"));
        for (int16_t i = 0; i < 4; ++i)
            EXPECT_TRUE(r->DES(i).isEmpty()) << "record " << e.tipo << " line " << i;
    }
}

TEST(Registros, DoublesRoundToTheirDecimalsExceptTheTwoStoredAsGiven)
{
    const double v = 1.23456789;
    auto roundedTo = [](int decimals) {
        // clang-format off
        switch (decimals) {
        case 0: return 1.0;
        case 2: return 1.23;
        case 4: return 1.2346;
        default: return 1.234568;
        }
        // clang-format on
    };
    for (const RecordExpectation& e : kRecords) {
        const auto r = CrearRegistro(e.tipo);
        for (const CodeKind& c : kModel) {
            if (c.kind != Kind::Dbl || !r->Has(Q(c.code)))
                continue;
            r->Set(Q(c.code), v);
            const bool asGiven = (e.tipo == 8 && Q(c.code) == QLatin1String("VAD")) ||
                                 (e.tipo == 9 && Q(c.code) == QLatin1String("RP"));
            if (asGiven)
                EXPECT_EQ(r->Get(Q(c.code)).toDouble(), v) << "record " << e.tipo << " " << c.code;
            else
                EXPECT_DOUBLE_EQ(r->Get(Q(c.code)).toDouble(), roundedTo(c.decimals))
                    << "record " << e.tipo << " " << c.code;
        }
    }
}

TEST(Registros, TypedSettersRoundHalfAwayFromZero)
{
    CDatosTip1 r1;
    r1.setP1_VAD(2.5);
    EXPECT_EQ(r1.P1_VAD(), 3);
    r1.setP1_VAD(-2.5);
    EXPECT_EQ(r1.P1_VAD(), -3);
    r1.setP1_RP(0.125);
    EXPECT_DOUBLE_EQ(r1.P1_RP(), 0.13);
    r1.setP1_COA(1.2345678);
    EXPECT_DOUBLE_EQ(r1.P1_COA(), 1.234568);
    r1.setP1_SHO(0.03125);
    EXPECT_DOUBLE_EQ(r1.P1_SHO(), 0.0313);

    cDatosTip7 r7;
    r7.setP7_VAD(2.5);
    EXPECT_EQ(r7.P7_VAD(), 3);
    cDatosTip8 r8;
    r8.setP8_VAD(2.5);
    EXPECT_EQ(r8.P8_VAD(), 2.5);
    r8.setP8_RP(0.125);
    EXPECT_DOUBLE_EQ(r8.P8_RP(), 0.13);
    cDatosTip9 r9;
    r9.setP9_RP(0.125);
    EXPECT_EQ(r9.P9_RP(), 0.125);
    r9.setP9_RP(1.0 / 3);
    EXPECT_EQ(r9.P9_RP(), 1.0 / 3);
}

TEST(Registros, OtherSettersStoreAsGiven)
{
    CDatosTip1 r;
    r.setP1_MUN(QStringLiteral("  Bilbao "));
    r.setP1_AÑOP(-32768);
    r.setP1_ANTDAT(2147483647);
    r.setP1_MIN(true);
    r.setP1_TSU(QStringLiteral("whatever"));
    EXPECT_EQ(r.P1_MUN(), QStringLiteral("  Bilbao "));
    EXPECT_EQ(r.P1_AÑOP(), -32768);
    EXPECT_EQ(r.P1_ANTDAT(), 2147483647);
    EXPECT_TRUE(r.P1_MIN());
    EXPECT_EQ(r.Get(QStringLiteral("TSU")).toString(), QStringLiteral("whatever"));
    EXPECT_EQ(r.Get(Q("AÑOP")).toInt(), -32768);
}

TEST(Registros, OnlyExactlyVEmpties)
{
    for (const char* state : {"v", "L", " V", "VV", ""}) {
        CDatosTip1 r;
        r.setP1_SBU(12.5);
        r.setP1_MUN(QStringLiteral("Getxo"));
        r.EscribirP1_DES(QStringLiteral("piso"), 0);
        r.setP1_SVL(QString::fromLatin1(state));
        EXPECT_EQ(r.P1_SVL(), QString::fromLatin1(state));
        EXPECT_EQ(r.P1_SBU(), 12.5) << state;
        EXPECT_EQ(r.P1_MUN(), QStringLiteral("Getxo")) << state;
        EXPECT_EQ(r.P1_DES(0), QStringLiteral("piso")) << state;
        EXPECT_EQ(r.P1_DEP(), 0) << state;
    }
}

TEST(Registros, EmptyingTwiceEmptiesAgain)
{
    cDatosTip5 r;
    r.setP5_SVL(QStringLiteral("V"));
    EXPECT_EQ(r.P5_CL1(), QStringLiteral("X"));
    EXPECT_EQ(r.P5_DEP(), 1);
    r.setP5_CL1(QString());
    r.setP5_DEP(0.5);
    r.setP5_PTI(100);
    r.setP5_SVL(QStringLiteral("V"));
    EXPECT_EQ(r.P5_CL1(), QStringLiteral("X"));
    EXPECT_EQ(r.P5_DEP(), 1);
    EXPECT_EQ(r.P5_PTI(), 0);
}

TEST(Registros, FreshRecordIsNotYetEmptied)
{
    for (int tipo = 1; tipo <= 9; ++tipo) {
        const auto r = CrearRegistro(tipo);
        EXPECT_EQ(r->Get(QStringLiteral("SVL")).toString(), QString());
        EXPECT_EQ(r->Get(QStringLiteral("MIN")).toBool(), false);
        EXPECT_EQ(r->Get(QStringLiteral("SBU")).toDouble(), 0);
        if (r->Has(QStringLiteral("DEP"))) {
            EXPECT_EQ(r->Get(QStringLiteral("DEP")).toDouble(), 0) << tipo;
        }
        if (r->Has(QStringLiteral("CL1"))) {
            EXPECT_EQ(r->Get(QStringLiteral("CL1")).toString(), QString()) << tipo;
        }
        for (int16_t i = 0; i < 4; ++i)
            EXPECT_EQ(r->DES(i), QString());
    }
    EXPECT_THROW(CrearRegistro(0), std::out_of_range);
    EXPECT_THROW(CrearRegistro(10), std::out_of_range);
}

TEST(Registros, DescriptionLines)
{
    cDatosTip4 r;
    r.EscribirP4_DES(QStringLiteral("a"), 0);
    r.EscribirP4_DES(QStringLiteral("x"), 3);
    EXPECT_EQ(r.P4_DES(3), QStringLiteral("x"));
    EXPECT_EQ(r.P4_DES(0), QStringLiteral("a"));
    EXPECT_EQ(r.P4_DES(1), QString());
    EXPECT_EQ(r.P4_DES(2), QString());
    EXPECT_EQ(r.DES(3), QStringLiteral("x"));
    for (int16_t bad : {int16_t(-1), int16_t(4)}) {
        EXPECT_THROW(r.P4_DES(bad), std::out_of_range);
        EXPECT_THROW(r.EscribirP4_DES(QStringLiteral("y"), bad), std::out_of_range);
        EXPECT_THROW(r.EscribirDES(QStringLiteral("y"), bad), std::out_of_range);
    }
}

TEST(Registros, GenericAccessRefusesWhatItCannotStore)
{
    CDatosTip3 r;
    r.setP3_SBU(4);
    r.setP3_NUP(12);
    EXPECT_THROW(r.Get(QStringLiteral("DEP")), std::invalid_argument);
    EXPECT_THROW(r.Set(QStringLiteral("DEP"), 1.0), std::invalid_argument);
    EXPECT_THROW(r.Set(QStringLiteral("NOPE"), 1.0), std::invalid_argument);
    EXPECT_THROW(r.Set(QStringLiteral("SBU"), QStringLiteral("abc")), std::invalid_argument);
    EXPECT_THROW(r.Set(QStringLiteral("SBU"), QVariant()), std::invalid_argument);
    EXPECT_THROW(r.Set(QStringLiteral("NUP"), 40000), std::invalid_argument);
    EXPECT_EQ(r.P3_SBU(), 4);
    EXPECT_EQ(r.P3_NUP(), 12);
    r.Set(QStringLiteral("NUP"), QStringLiteral("15"));
    r.Set(QStringLiteral("SBU"), 2.345);
    EXPECT_EQ(r.P3_NUP(), 15);
    EXPECT_DOUBLE_EQ(r.P3_SBU(), 2.35);
}

TEST(Registros, SnapshotRestoresTheWholeRecord)
{
    cDatosTip7 r;
    r.setP7_SVL(QStringLiteral("L"));
    r.setP7_VAF(1000);
    r.setP7_MUN(QStringLiteral("Irun"));
    r.EscribirP7_DES(QStringLiteral("oficina"), 2);

    CDatosTip& base = r;
    const CDatosTip snapshot = base;
    r.setP7_SVL(QStringLiteral("V"));
    r.setP7_PTI(50);
    base = snapshot;

    EXPECT_EQ(r.P7_SVL(), QStringLiteral("L"));
    EXPECT_EQ(r.P7_VAF(), 1000);
    EXPECT_EQ(r.P7_MUN(), QStringLiteral("Irun"));
    EXPECT_EQ(r.P7_PTI(), 0);
    EXPECT_EQ(r.P7_DES(2), QStringLiteral("oficina"));

    cDatosTip8 other;
    EXPECT_THROW(static_cast<CDatosTip&>(other) = snapshot, std::invalid_argument);
}
