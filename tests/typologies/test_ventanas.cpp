// Every registered typology window is built from a table that names only controls it has and
// codes its record has; a table that names anything else stops construction.
#include <gtest/gtest.h>

#include <QString>
#include <vector>
#include <stdexcept>

#include "core/Globals.h"
#include "platform/CajaNum.h"
#include "typologies/shared/DisenoVentana.h"
#include "typologies/shared/VentanaTipologiaBase.h"
#include "windows/VentanaTipologia.h"

namespace {

TEST(VentanasTipologia, EveryRegisteredWindowIsBuilt)
{
    int registradas = 0;
    for (int n = 1; n <= 9; ++n) {
        if (!HayVentanaTipologia(n))
            continue;
        ++registradas;
        IVentanaTipologia* v = nullptr;
        EXPECT_NO_THROW(v = VentanaTipologia(n)) << "window " << n;
        ASSERT_NE(v, nullptr) << "window " << n;
        EXPECT_EQ(v->form()->objectName(), QStringLiteral("Tipologia%1").arg(n));
    }
    EXPECT_GE(registradas, 3);
}

// A storage-room window reduced to a valuation date box, the location and age controls, whose
// table is given by the test; `sinControl` leaves one control out.
class VentanaDePrueba : public VentanaTipologiaBase {
public:
    explicit VentanaDePrueba(ParametrosVentana p, const char* sinControl = "")
        : VentanaTipologiaBase(QStringLiteral("VentanaDePrueba"), std::move(p))
    {
        using namespace diseno;
        std::vector<ControlDiseno> controles = {
            Fecha("txtp2fecv", nullptr, 0, 0),
            Lista("cmbp2mun", nullptr, 0, 30, 100),
            Lista("cmbp2cal", nullptr, 0, 60, 100),
            Numero("txtp2nup", nullptr, 0, 90, 50, 3, 0, "###"),
            Muestra("txtp2nur", nullptr, 0, 120, 50, 3, 0, "###"),
            Texto("txtp2nor", nullptr, 0, 150, 100),
            Muestra("txtp2vsf", nullptr, 0, 180, 100, 11, 2, "##,###,###,###"),
            diseno::Opcion("optp2anttipo(0)", nullptr, 0, 210, 50),
            diseno::Opcion("optp2anttipo(1)", nullptr, 60, 210, 50),
            Numero("txtp2antd1", nullptr, 0, 240, 50, 3, 0, "###"),
            Fecha("txtp2antd2", nullptr, 60, 240),
            Muestra("txtp2ant", nullptr, 0, 270, 50, 3, 0, "###"),
            Muestra("txtp2dep", nullptr, 60, 270, 50, 1, 4, "0.0000"),
        };
        std::erase_if(controles, [&](const ControlDiseno& c) { return qstrcmp(c.nombre, sinControl) == 0; });
        ConstruirControles(*this, controles);
        ConectarControles();
    }
    CDatosTip& Registro() const override { return gDatosTip2(); }
    void ModificaDatos() override {}
    void InicializaFechaV() override {}
    void InicializaMunicipio(QString&) override {}
    void CalcularValores() override {}
    void CadenaValores() override {}
    void ObtenerEtiquetas() override {}
    void DatosDescripcion() override {}
    void DatosDescripcionE() override {}

protected:
    void SuperficieAceptada() override {}
};

ParametrosVentana Tabla()
{
    ParametrosVentana p;
    p.tipo = 2;
    p.cajas = {{RecordCode::NUP, Regla::Plana}, {RecordCode::VSF, Regla::Moneda}};
    p.monedas = {{RecordCode::VSF, "##,###,###,###", "##,###,###,##0.00"}};
    return p;
}

TEST(VentanasTipologia, AGoodTableBuilds) { EXPECT_NO_THROW(VentanaDePrueba{Tabla()}); }

TEST(VentanasTipologia, ATableNamingWhatDoesNotExistStopsConstruction)
{
    // clang-format off
    struct Caso {
        const char* que;
        std::function<void(ParametrosVentana&)> cambio;
        const char* nombrado;
    } casos[] = {
        // (a code no record has does not compile: the tables name codes by RecordCode)
        {"a code of another record", [](ParametrosVentana& p) { p.cajas[1].codigo = RecordCode::VRC; }, "VRC"},
        {"a stored code of another record",
         [](ParametrosVentana& p) { p.guardan = {{RecordCode::NUI, Guardado::Texto}}; }, "NUI"},
        {"a box the window lacks", [](ParametrosVentana& p) { p.cajas.push_back({RecordCode::VCF, Regla::Moneda}); },
         "txtp2vcf"},
        {"a money box that is no numeric box",
         [](ParametrosVentana& p) { p.monedas = {{RecordCode::NOR, "#", "#"}}; }, "txtp2nor"},
        {"an option pair the window lacks", [](ParametrosVentana& p) { p.opciones = {{RecordCode::MON, "P", 0}}; },
         "optp2mon(0)"},
        {"a caption of a control it lacks", [](ParametrosVentana& p) { p.rotulos = {{"Label99", 1, Destino::Rotulo}}; }, "Label99"},
        {"a zone amount into a code it has not",
         [](ParametrosVentana& p) { p.importesZona = {{"t07_vrr", RecordCode::VRI}}; }, "VRI"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        ParametrosVentana p = Tabla();
        c.cambio(p);
        try {
            VentanaDePrueba v(p);
            ADD_FAILURE() << "built";
        } catch (const std::logic_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(c.nombrado))) << e.what();
        }
    }
}

TEST(VentanasTipologia, ALocationControlTheWindowLacksStopsConstruction)
{
    // A commercial-subzone location needs the subzone box txtp2nus.
    ParametrosVentana p = Tabla();
    p.localizacion = TipoLocalizacion::CalleSubzonaComercial;
    try {
        VentanaDePrueba v(p);
        ADD_FAILURE() << "built";
    } catch (const std::logic_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("txtp2nus")) << e.what();
    }
}

TEST(VentanasTipologia, APartControlTheWindowLacksStopsConstruction)
{
    // The valuation date, and the age of a record with an age mode, are parts every such
    // window has.
    for (const char* falta : {"txtp2fecv", "optp2anttipo(1)", "txtp2antd2", "txtp2dep"}) {
        SCOPED_TRACE(falta);
        try {
            VentanaDePrueba v(Tabla(), falta);
            ADD_FAILURE() << "built";
        } catch (const std::logic_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(falta))) << e.what();
        }
    }
}

TEST(VentanasTipologia, ATabOrderNamingAMissingControlStopsConstruction)
{
    QWidget w;
    w.setObjectName("W");
    ConstruirControles(w, {diseno::Fecha("txtp2fecv", nullptr, 0, 0)});
    EXPECT_NO_THROW(OrdenTabulacion(w, {"txtp2fecv"}));
    EXPECT_THROW(OrdenTabulacion(w, {"txtp2fecv", "cmdsalir"}), std::logic_error);
}

}  // namespace
