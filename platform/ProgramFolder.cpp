#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString& overrideFolder()
{
    static QString f;
    return f;
}

QString withoutTrailingSeparator(QString f)
{
    while (f.size() > 1 && (f.endsWith(QLatin1Char('/')) || f.endsWith(QLatin1Char('\\'))))
        f.chop(1);
    return f;
}

}  // namespace

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    if (QCoreApplication::instance())
        return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
    // Without an application object: the folder of the running executable.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return withoutTrailingSeparator(QFileInfo(exe.symLinkTarget()).absolutePath());
}

void SetProgramFolderForTests(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withoutTrailingSeparator(folder);
}
