#include "windows/VentanaTipologia.h"

#include <map>

namespace {

struct Ranura {
    std::function<IVentanaTipologia*()> crear;
    // Made on first use and kept for the whole run (windows outlive every caller; they are
    // not destroyed after the application object).
    IVentanaTipologia* ventana = nullptr;
};

// Function-local so that static registrars of other files find it constructed.
std::map<int, Ranura>& Registro()
{
    static std::map<int, Ranura> registro;
    return registro;
}

}  // namespace

void RegistrarVentanaTipologia(int n, std::function<IVentanaTipologia*()> crear)
{
    auto& r = Registro()[n];
    r.ventana = nullptr;
    r.crear = std::move(crear);
}

IVentanaTipologia* VentanaTipologia(int n)
{
    auto it = Registro().find(n);
    if (it == Registro().end() || !it->second.crear)
        return nullptr;
    if (!it->second.ventana)
        it->second.ventana = it->second.crear();
    return it->second.ventana;
}

bool HayVentanaTipologia(int n)
{
    auto it = Registro().find(n);
    return it != Registro().end() && bool(it->second.crear);
}
