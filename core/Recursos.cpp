#include "core/Recursos.h"

#include <QFile>
#include <QHash>
#include <QStringList>

// The table lives in a static library: referencing its initialiser keeps the
// linker from dropping the embedded file and registers it.
static void EnsureTableResource() { Q_INIT_RESOURCE(resources); }

namespace {

// The table is embedded as ":/strings.tsv": one text a line, "id<TAB>text",
// UTF-8; lines starting with "#" and empty lines are ignored.
QHash<int, QString> ReadTable()
{
    EnsureTableResource();
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QString all = QString::fromUtf8(file.readAll());
    const QStringList lines = all.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (ok)
            table.insert(id, line.mid(tab + 1));
    }
    return table;
}

const QHash<int, QString>& Table()
{
    // Read once, on the first lookup.
    static const QHash<int, QString> table = ReadTable();
    return table;
}

}  // namespace

QString LoadResString(int id) { return Table().value(id); }
