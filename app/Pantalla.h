#pragma once
// Before the program builds its QApplication: is there a display for the window system Qt
// will use? Without one, Qt would abort the program with a message about reinstalling it;
// we say instead, in Spanish and Basque, that a display is needed and how to get one.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace pantalla {

// Exit code of the program when it cannot reach a display.
constexpr int kSinPantalla = 2;

// The platform plugins Qt will try, in order: the "-platform" argument, else QT_QPA_PLATFORM,
// else none (Qt's default: the X11 or Wayland session). Entries are lower case, without their
// options ("xcb:foo=1" -> "xcb").
inline QStringList PlataformasPedidas(const QStringList& args, const QProcessEnvironment& env)
{
    QString pedida = env.value(QStringLiteral("QT_QPA_PLATFORM"));
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("-platform") || args[i] == QLatin1String("--platform"))
            pedida = args[i + 1];
    QStringList out;
    for (const QString& p : pedida.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString nombre = p.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        if (!nombre.isEmpty())
            out << nombre;
    }
    return out;
}

// True when one of the plugins Qt will try can start: X11 ("xcb") needs DISPLAY (or the
// argument "-display"), Wayland needs WAYLAND_DISPLAY; any other plugin (offscreen, vnc, eglfs ...) is left to Qt.
inline bool HayPantalla(const QStringList& args, const QProcessEnvironment& env)
{
    // X11 also takes its display from the argument "-display <name>".
    bool x11 = !env.value(QStringLiteral("DISPLAY")).trimmed().isEmpty();
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("-display") && !args[i + 1].trimmed().isEmpty())
            x11 = true;
    const bool wayland = !env.value(QStringLiteral("WAYLAND_DISPLAY")).trimmed().isEmpty();
    const QStringList plataformas = PlataformasPedidas(args, env);
    if (plataformas.isEmpty())
        return x11 || wayland;
    for (const QString& p : plataformas) {
        if (p == QLatin1String("xcb")) {
            if (x11)
                return true;
        } else if (p.startsWith(QLatin1String("wayland"))) {
            if (wayland)
                return true;
        } else {
            return true;
        }
    }
    return false;
}

// What the program prints when it has no display; programa is how it was started.
inline QString MensajeSinPantalla(const QString& programa)
{
    return QString::fromUtf8(
               "El programa necesita una pantalla (una sesión gráfica X11 o Wayland) y no puede usar ninguna.\n"
               "  Arránquelo desde una sesión gráfica o, en un equipo sin pantalla, con una pantalla virtual\n"
               "  (paquete xvfb):  xvfb-run -a ./run.sh   o bien   xvfb-run -a %1\n"
               "Programak pantaila bat behar du (X11 edo Wayland saio grafiko bat) eta ezin du bat ere erabili.\n"
               "  Abiarazi saio grafiko batetik edo, pantailarik gabeko ekipo batean, pantaila birtual batekin\n"
               "  (xvfb paketea):  xvfb-run -a ./run.sh   edo   xvfb-run -a %1\n")
        .arg(programa);
}

}  // namespace pantalla
