#include "platform/Help.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QWidget>
#include <algorithm>

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

// A help file is Basque when it is the Basque help file, "Laguntza.chm".
bool IsBasqueHelpFile(const QString& file)
{
    return QFileInfo(file).fileName().compare(QLatin1String("Laguntza.chm"), Qt::CaseInsensitive) == 0;
}

// The first page of a help file: its index page in the file's language.
QString IndexTopic(bool basque) { return basque ? QStringLiteral("sarrera.htm") : QStringLiteral("indice.htm"); }

struct Request {
    QString file;  // the help folder, '/' separators
    QString page;  // the page file asked for
    bool basque = false;
};

// "<file>::/<topic>" -> the page <file>/<topic>; a request without a topic opens the
// file's index page.
Request Parse(const QString& fileAndTopic)
{
    Request r;
    QString topic;
    r.file = fileAndTopic;
    const qsizetype sep = fileAndTopic.indexOf(QLatin1String("::"));
    if (sep >= 0) {
        r.file = fileAndTopic.left(sep);
        topic = fileAndTopic.mid(sep + 2);
    }
    r.file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (topic.startsWith(QLatin1Char('/')))
        topic.remove(0, 1);
    r.basque = IsBasqueHelpFile(r.file);
    if (topic.isEmpty())
        topic = IndexTopic(r.basque);
    r.page = QDir::cleanPath(r.file + QLatin1Char('/') + topic);
    return r;
}

// The viewer: the page browser itself, with a bar of buttons in the top margin of its
// scroll area (so that the window is the browser, as a plain help viewer would be).
class HelpWindow : public QTextBrowser {
public:
    explicit HelpWindow(QWidget* parent) : QTextBrowser(parent)
    {
        setObjectName(QStringLiteral("HelpViewer"));
        setAttribute(Qt::WA_DeleteOnClose, false);
        setOpenLinks(true);
        setOpenExternalLinks(true);

        bar_ = new QWidget(this);
        bar_->setObjectName(QStringLiteral("HelpButtons"));
        auto* row = new QHBoxLayout(bar_);
        row->setContentsMargins(4, 2, 4, 2);
        back_ = AddButton(row, QStringLiteral("HelpBack"), QStyle::SP_ArrowBack);
        forward_ = AddButton(row, QStringLiteral("HelpForward"), QStyle::SP_ArrowForward);
        index_ = AddButton(row, QStringLiteral("HelpIndex"), QStyle::SP_DirHomeIcon);
        row->addStretch(1);
        back_->setEnabled(false);
        forward_->setEnabled(false);

        connect(back_, &QToolButton::clicked, this, &QTextBrowser::backward);
        connect(forward_, &QToolButton::clicked, this, &QTextBrowser::forward);
        connect(index_, &QToolButton::clicked, this,
                [this] { ShowPage(helpFile_ + QLatin1Char('/') + IndexTopic(basque_)); });
        connect(this, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
        connect(this, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
        // Links, Back and Forward all change the source: the title follows.
        connect(this, &QTextBrowser::sourceChanged, this, [this] { FollowTitle(); });

        SetLanguage(false);
        setViewportMargins(0, bar_->sizeHint().height(), 0, 0);
    }

    void Open(const Request& r)
    {
        helpFile_ = r.file;
        SetLanguage(r.basque);
        ShowPage(r.page);
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QTextBrowser::resizeEvent(e);
        const QRect area = contentsRect();
        bar_->setGeometry(area.left(), area.top(), area.width(), bar_->sizeHint().height());
    }

private:
    QToolButton* AddButton(QHBoxLayout* row, const QString& name, QStyle::StandardPixmap icon)
    {
        auto* b = new QToolButton(bar_);
        b->setObjectName(name);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        return b;
    }

    void SetLanguage(bool basque)
    {
        basque_ = basque;
        // The browser's own keys (Alt+Left, Alt+Right) do what the buttons do; the tips say so.
        back_->setText(basque ? QStringLiteral("Atzera") : QString::fromUtf8("Atrás"));
        back_->setToolTip(basque ? QStringLiteral("Atzera (Alt+Ezkerra)") : QString::fromUtf8("Atrás (Alt+Izquierda)"));
        forward_->setText(basque ? QStringLiteral("Aurrera") : QStringLiteral("Adelante"));
        forward_->setToolTip(basque ? QStringLiteral("Aurrera (Alt+Eskuina)")
                                    : QStringLiteral("Adelante (Alt+Derecha)"));
        index_->setText(basque ? QStringLiteral("Aurkibidea") : QString::fromUtf8("Índice"));
        index_->setToolTip(index_->text());
    }

    void ShowPage(const QString& page)
    {
        const QFileInfo info(page);
        if (info.isFile() && info.isReadable()) {
            setSearchPaths({info.absolutePath()});
            const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
            if (source() == url)
                reload();
            else
                setSource(url);
            FollowTitle();
            return;
        }
        setHtml(QStringLiteral("<html><head><title>%1</title></head><body>"
                               "<h2>Ayuda no disponible / Laguntza ez dago eskuragarri</h2>"
                               "<p>El tema de ayuda solicitado no est\u00e1 disponible.</p>"
                               "<p>Eskatutako laguntza gaia ez dago eskuragarri.</p>"
                               "<p><tt>%2</tt></p></body></html>")
                    .arg(basque_ ? QStringLiteral("Laguntza") : QStringLiteral("Ayuda"), page.toHtmlEscaped()));
        FollowTitle();
    }

    void FollowTitle()
    {
        QString t = documentTitle().trimmed();
        if (t.isEmpty())
            t = QFileInfo(source().toLocalFile()).fileName();
        if (t.isEmpty())
            t = basque_ ? QStringLiteral("Laguntza") : QStringLiteral("Ayuda");
        setWindowTitle(t);
    }

    QWidget* bar_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* index_ = nullptr;
    QString helpFile_;
    bool basque_ = false;
};

QPointer<HelpWindow>& viewer()
{
    static QPointer<HelpWindow> v;
    return v;
}

// Sizes the viewer for reading (a good part of the screen, never less than 720 x 540 nor more
// than the screen) and centres it over the asking window, inside the screen.
void PlaceOver(QWidget* v, QWidget* ownerWindow)
{
    QScreen* screen = ownerWindow ? ownerWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QSize size = QSize(std::max(720, avail.width() * 55 / 100), std::max(540, avail.height() * 75 / 100))
                           .boundedTo(avail.size());
    QRect r(QPoint(0, 0), size);
    r.moveCenter(ownerWindow && ownerWindow->isVisible() ? ownerWindow->frameGeometry().center() : avail.center());
    r.moveLeft(std::clamp(r.left(), avail.left(), avail.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), avail.top(), avail.bottom() - r.height() + 1));
    v->resize(size);
    v->move(r.topLeft());
}

}  // namespace

void ShowHelp(QWidget* owner, const QString& fileAndTopic)
{
    lastShown() = fileAndTopic;
    const Request request = Parse(fileAndTopic);
    lastFile() = request.page;

    QWidget* parentWindow = owner ? owner->window() : nullptr;
    QPointer<HelpWindow>& v = viewer();
    if (!v) {
        v = new HelpWindow(parentWindow);
        v->setWindowFlags(Qt::Window);
    }
    // The viewer belongs to the window that asks for it, so that a modal window leaves it usable.
    if (v->parentWidget() != parentWindow)
        v->setParent(parentWindow, Qt::Window);

    v->Open(request);
    if (!v->isVisible())
        PlaceOver(v, parentWindow);
    v->show();
    v->raise();
    v->activateWindow();
}

QString LastHelpShown() { return lastShown(); }
QString LastHelpFile() { return lastFile(); }
QWidget* HelpViewer() { return viewer(); }
