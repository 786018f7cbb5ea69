#include "platform/Help.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace {

QString& lastShown()
{
    static QString s;
    return s;
}

QString& lastFile()
{
    static QString s;
    return s;
}

QPointer<QTextBrowser>& viewer()
{
    static QPointer<QTextBrowser> v;
    return v;
}

// "<file>::/<topic>" -> the page <file>/<topic>; a request without a topic opens the
// file's first page.
QString pageOf(const QString& fileAndTopic)
{
    QString file = fileAndTopic;
    QString topic;
    const int sep = fileAndTopic.indexOf(QLatin1String("::"));
    if (sep >= 0) {
        file = fileAndTopic.left(sep);
        topic = fileAndTopic.mid(sep + 2);
    }
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (topic.startsWith(QLatin1Char('/')))
        topic.remove(0, 1);
    if (topic.isEmpty())
        topic = QStringLiteral("indice.htm");
    return QDir::cleanPath(file + QLatin1Char('/') + topic);
}

} // namespace

void ShowHelp(QWidget* owner, const QString& fileAndTopic)
{
    lastShown() = fileAndTopic;
    const QString page = pageOf(fileAndTopic);
    lastFile() = page;

    QWidget* parentWindow = owner ? owner->window() : nullptr;
    QPointer<QTextBrowser>& v = viewer();
    if (!v) {
        v = new QTextBrowser(parentWindow);
        v->setWindowFlags(Qt::Window);
        v->setObjectName(QStringLiteral("HelpViewer"));
        v->setAttribute(Qt::WA_DeleteOnClose, false);
        v->setOpenLinks(true);
        v->resize(640, 480);
    }
    // The viewer belongs to the window that asks for it, so that a modal window leaves it usable.
    if (v->parentWidget() != parentWindow)
        v->setParent(parentWindow, Qt::Window);

    const QFileInfo info(page);
    if (info.isFile() && info.isReadable()) {
        v->setSearchPaths({info.absolutePath()});
        v->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        v->setWindowTitle(v->documentTitle().isEmpty() ? info.fileName() : v->documentTitle());
    } else {
        v->setHtml(QStringLiteral(
                       "<html><head><title>Ayuda</title></head><body>"
                       "<h2>Ayuda no disponible / Laguntza ez dago eskuragarri</h2>"
                       "<p>El tema de ayuda solicitado no est\u00e1 disponible.</p>"
                       "<p>Eskatutako laguntza gaia ez dago eskuragarri.</p>"
                       "<p><tt>%1</tt></p></body></html>")
                       .arg(page.toHtmlEscaped()));
        v->setWindowTitle(QStringLiteral("Ayuda"));
    }
    v->show();
    v->raise();
    v->activateWindow();
}

QString LastHelpShown() { return lastShown(); }
QString LastHelpFile() { return lastFile(); }
QWidget* HelpViewer() { return viewer(); }
