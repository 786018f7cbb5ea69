#include "typologies/shared/Parte.h"

#include <QWidget>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "core/Registros.h"
#include "platform/NumberFormat.h"

QString TextoNumero(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QLatin1Char('e'))) {
        s = QString::number(v, 'f', 6);
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    s.replace(QLatin1Char('.'), DecimalSeparator());
    return s;
}

QString ParteVentana::Res(int n) { return LoadResString(gIdioma + n); }

QString ParteVentana::Nombre(const char* clase, const char* codigo) const
{
    return QString::fromUtf8(clase) + QLatin1Char('p') + QString::number(anfitrion_.Parametros().tipo) +
           QString::fromUtf8(codigo).toLower();
}

QString ParteVentana::Nombre(const char* clase, RecordCode codigo) const
{
    return Nombre(clase, CDatosTip::CodeName(codigo).toUtf8().constData());
}

QString NombreOpcion(const QString& grupo, int indice)
{
    return grupo + QLatin1Char('(') + QString::number(indice) + QLatin1Char(')');
}

QWidget* ParteVentana::RequeridoNombre(const QString& nombre) const
{
    QWidget* w = anfitrion_.Buscar(nombre);
    if (!w)
        throw std::logic_error(
            ("The window has no control " + nombre + ", which one of its parts needs.").toStdString());
    return w;
}
