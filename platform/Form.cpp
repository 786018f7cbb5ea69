#include "platform/Form.h"

#include "platform/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QList>
#include <QResizeEvent>
#include <QTimer>
#include <cmath>
#include <exception>

int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
int PixelsToTwips(int pixels) { return pixels * 15; }

namespace {

// Every form of the program, and the one that was active last (message boxes and the help
// viewer are not forms, so they never change it).
QList<Form*>& allForms()
{
    static QList<Form*> forms;
    return forms;
}
QPointer<Form>& lastActiveForm()
{
    static QPointer<Form> f;
    return f;
}
// Forms in the order they became active, most recent last.
QList<QPointer<Form>>& activationOrder()
{
    static QList<QPointer<Form>> order;
    return order;
}

int keyAsciiOf(const QKeyEvent* k)
{
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;  // navigation keys are not key presses of the window
    default:
        break;
    }
    const QString t = k->text();
    if (t.isEmpty())
        return 0;
    return t.at(0).unicode();
}

bool isAncestorOrSelf(const QObject* ancestor, const QObject* o)
{
    for (; o; o = o->parent())
        if (o == ancestor)
            return true;
    return false;
}

}  // namespace

// One application-wide filter: passes the events of each form's widgets to that form.
class FormEventFilter : public QObject {
public:
    static FormEventFilter* instance()
    {
        static FormEventFilter* f = nullptr;
        if (!f && QCoreApplication::instance()) {
            f = new FormEventFilter(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(f);
        }
        return f;
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            break;
        default:
            return false;
        }
        if (!o->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(o);
        Form* f = qobject_cast<Form*>(w->window());
        if (!f)
            return false;
        return f->filterEvent(o, e);
    }

    // The last key event handled and its receiver: a key travelling up to the parents of
    // its receiver is the same key, seen once.
    const QEvent* lastKey = nullptr;
    QPointer<QObject> lastKeyReceiver;
    bool resending = false;

private:
    using QObject::QObject;
};

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    allForms().append(this);
    filter_ = FormEventFilter::instance();
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, &Form::onFocusChanged);
}

Form::~Form()
{
    // Destroying the child controls moves the focus, and QObject would drop this connection
    // only after them: the focus change must not reach a window that is no longer a Form.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        disconnect(app, &QApplication::focusChanged, this, &Form::onFocusChanged);
    allForms().removeAll(this);
    endModalLoop();
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    current_ = nullptr;
    Guard([this] { Form_Load(); });
}

void Form::Show(bool modal)
{
    Load();
    if (!loaded_)
        return;  // Form_Load unloaded it
    const bool wasVisible = isVisible();
    if (!wasVisible) {
        setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        inShow_ = true;
        show();
        inShow_ = false;
        lastState_ = WindowState();
        everShown_ = true;
        QPointer<Form> self(this);
        Guard([this] { Form_Resize(); });  // a window being shown is sized, as on every showing
        if (!self)
            return;
    }
    if (isVisible()) {
        raise();
        activateWindow();
        becameActive();
    }
    if (modal && !modalLoop_ && isVisible() && loaded_) {
        QEventLoop loop;
        modalLoop_ = &loop;
        QPointer<Form> self(this);
        loop.exec(QEventLoop::DialogExec);
        if (self)
            self->modalLoop_ = nullptr;
    }
}

void Form::Hide()
{
    hide();  // the Hide event ends the modal loop and hands the activation back
    endModalLoop();
}

void Form::Unload()
{
    if (!loaded_) {
        Hide();
        return;
    }
    int cancel = 0;
    Guard([&] { Form_Unload(cancel); });
    if (cancel != 0)
        return;
    loaded_ = false;
    Hide();
    current_ = nullptr;
}

bool Form::IsLoaded() const { return loaded_; }
bool Form::IsShownModal() const { return modalLoop_ != nullptr; }

void Form::Move(int leftTwips, int topTwips) { move(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)); }
int Form::LeftTwips() const { return PixelsToTwips(x()); }
int Form::TopTwips() const { return PixelsToTwips(y()); }

int Form::WindowState() const
{
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized)
        return 1;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

void Form::SetWindowState(int state)
{
    Qt::WindowStates s = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == 1)
        s |= Qt::WindowMinimized;
    else if (state == 2)
        s |= Qt::WindowMaximized;
    setWindowState(s);
}

void Form::OnGotFocus(QWidget* w, std::function<void()> h) { gotFocus_.emplace(w, std::move(h)); }
void Form::OnLostFocus(QWidget* w, std::function<void()> h) { lostFocus_.emplace(w, std::move(h)); }
void Form::OnMouseDownFirst(QWidget* button, std::function<void()> h) { mouseDownFirst_.emplace(button, std::move(h)); }

namespace {

// Watches the pointer coming over one control and leaving it, for Form::OnMouseOver.
class PunteroSobre : public QObject {
public:
    PunteroSobre(Form* form, QWidget* w, std::function<void()> over, std::function<void()> away)
        : QObject(w), form_(form), w_(w), over_(std::move(over)), away_(std::move(away))
    {
        w->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o != w_ || !form_)
            return false;
        if (e->type() == QEvent::Enter) {
            form_->Guard(over_);
        } else if (e->type() == QEvent::Leave) {
            // Qt also sends a leave when the control or its window is hidden under the pointer.
            if (w_->isVisible() && form_->isVisible() && form_->IsLoaded())
                form_->Guard(away_);
        }
        return false;
    }

private:
    QPointer<Form> form_;
    QWidget* w_;
    std::function<void()> over_;
    std::function<void()> away_;
};

}  // namespace

void Form::OnMouseOver(QWidget* w, std::function<void()> over, std::function<void()> away)
{
    if (w)
        new PunteroSobre(this, w, std::move(over), std::move(away));
}

void Form::SetFocus(QWidget* w)
{
    if (!w)
        return;
    QWidget* win = w->window();
    if (win->isVisible() && !win->isActiveWindow())
        win->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

void Form::Guard(const std::function<void()>& handler, const std::function<void()>& onFailure)
{
    QString error;
    try {
        handler();
        return;
    } catch (const std::exception& ex) {
        error = QString::fromUtf8(ex.what());
    } catch (...) {
        error = QStringLiteral("Error inesperado");
    }
    if (onFailure) {
        try {
            onFailure();
        } catch (...) {
            // The restore itself failed: the message below still tells the first error.
        }
    }
    MsgBox(error, 48);
}

void Form::Handle(const std::function<void()>& handler)
{
    if (handling_ > 0) {
        // Set off by a write of the handler that is running: part of it.
        if (pending_)
            return;
        ++handling_;
        try {
            handler();
        } catch (...) {
            if (!pending_)
                pending_ = std::current_exception();
        }
        --handling_;
        return;
    }
    const std::function<void()> restore = Snapshot();
    pending_ = nullptr;
    ++handling_;
    Guard(
        [&] {
            handler();
            RaisePending();
        },
        [&] {
            pending_ = nullptr;
            if (restore)
                restore();
            pending_ = nullptr;
        });
    pending_ = nullptr;
    --handling_;
}

void Form::RaisePending()
{
    if (pending_) {
        std::exception_ptr e = pending_;
        pending_ = nullptr;
        std::rethrow_exception(e);
    }
}

void Form::closeEvent(QCloseEvent* e)
{
    Unload();
    if (loaded_)
        e->ignore();
    else
        e->accept();
}

void Form::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
        const int state = WindowState();
        if (state != lastState_) {
            lastState_ = state;
            if (!inShow_)
                Guard([this] { Form_Resize(); });
        }
    }
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (inShow_ || !isVisible() || WindowState() == 1)
        return;
    if (e->oldSize().isValid() && e->oldSize() != e->size())
        Guard([this] { Form_Resize(); });
}

bool Form::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::WindowActivate:
        if (isVisible() && everShown_)
            becameActive();
        break;
    case QEvent::Hide:
        if (!e->spontaneous() && !isVisible()) {
            endModalLoop();
            afterHidden();
        }
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void Form::becameActive()
{
    activationOrder().removeAll(QPointer<Form>(this));
    activationOrder().removeAll(QPointer<Form>());
    activationOrder().append(this);
    if (lastActiveForm() == this)
        return;
    lastActiveForm() = this;
    Guard([this] { Form_Activate(); });
}

void Form::afterHidden()
{
    current_ = nullptr;
    // The form that was active before this one becomes active again.
    auto& order = activationOrder();
    order.removeAll(QPointer<Form>(this));
    order.removeAll(QPointer<Form>());
    if (lastActiveForm() != this)
        return;
    lastActiveForm() = nullptr;
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
        Form* f = order.at(i);
        if (f && f->isVisible()) {
            f->activateWindow();
            f->becameActive();
            return;
        }
    }
}

void Form::endModalLoop()
{
    if (modalLoop_)
        modalLoop_->exit(0);
}

bool Form::ownsWidget(QWidget* w) const { return w && w->window() == this; }

QWidget* Form::controlOf(QWidget* w) const
{
    for (QWidget* p = w; p && p != this; p = p->parentWidget())
        if (gotFocus_.contains(p) || lostFocus_.contains(p) || mouseDownFirst_.contains(p))
            return p;
    return w;
}

QWidget* Form::handlerOwner(QWidget* w, const QHash<QWidget*, std::function<void()>>& table) const
{
    for (QWidget* p = w; p && p != this; p = p->parentWidget())
        if (table.contains(p))
            return p;
    return nullptr;
}

void Form::onFocusChanged(QWidget* /*old*/, QWidget* now)
{
    // Focus going to another window (a message box, the help viewer, another form, another
    // program) is not a change of control: the control keeps it as far as the handlers know.
    if (!ownsWidget(now))
        return;
    QWidget* ctl = controlOf(now);
    if (ctl == current_)
        return;
    if (inLostFocus_) {
        // A LostFocus handler moved the focus (typically back to the box it left).
        current_ = ctl;
        return;
    }
    QPointer<QWidget> prev = current_;
    current_ = ctl;
    QPointer<Form> self(this);
    if (prev) {
        auto it = lostFocus_.constFind(prev);
        if (it != lostFocus_.constEnd()) {
            const auto h = it.value();
            inLostFocus_ = true;
            Guard(h);
            if (!self)
                return;
            inLostFocus_ = false;
        }
    }
    QWidget* target = current_;
    if (target) {
        auto it = gotFocus_.constFind(target);
        if (it != gotFocus_.constEnd()) {
            const auto h = it.value();
            Guard(h);
        }
    }
}

void Form::runMouseDownFirst(QWidget* owner)
{
    auto it = mouseDownFirst_.constFind(owner);
    if (it == mouseDownFirst_.constEnd())
        return;
    const auto h = it.value();
    Guard(h);
}

bool Form::filterEvent(QObject* o, QEvent* e)
{
    auto* w = static_cast<QWidget*>(o);
    switch (e->type()) {
    case QEvent::FocusIn: {
        // A mouse press gives the focus before the pressed widget sees the press: the
        // mouse-down handler of a button runs here, before the box being left hears of it.
        auto* fe = static_cast<QFocusEvent*>(e);
        if (fe->reason() == Qt::MouseFocusReason) {
            if (QWidget* owner = handlerOwner(w, mouseDownFirst_)) {
                // The press that gave the focus is delivered in this same round of events;
                // the mark that it was handled lasts until then.
                mouseDownDone_ = owner;
                QTimer::singleShot(0, this, [this] { mouseDownDone_ = nullptr; });
                runMouseDownFirst(owner);
            }
        }
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        QWidget* owner = handlerOwner(w, mouseDownFirst_);
        if (!owner || o != owner)
            return false;
        if (mouseDownDone_ == owner) {
            mouseDownDone_ = nullptr;
            return false;
        }
        mouseDownDone_ = nullptr;
        runMouseDownFirst(owner);
        return false;
    }
    case QEvent::KeyPress: {
        if (filter_->resending)
            return false;
        if (filter_->lastKey == e && filter_->lastKeyReceiver && o != filter_->lastKeyReceiver &&
            o != QApplication::focusWidget() && isAncestorOrSelf(o, filter_->lastKeyReceiver))
            return false;  // the same key travelling up to a parent of its receiver
        filter_->lastKey = e;
        filter_->lastKeyReceiver = o;
        auto* k = static_cast<QKeyEvent*>(e);
        int ascii = keyAsciiOf(k);
        if (ascii == 0)
            return false;
        const int original = ascii;
        Guard([&] { Form_KeyPress(ascii); });
        if (ascii == original)
            return false;
        if (ascii == 0)
            return true;  // swallowed
        // The window changed the key: the control receives the new character instead.
        const QChar c(static_cast<char16_t>(ascii));
        int key = c.toUpper().unicode();
        if (ascii == 13)
            key = Qt::Key_Return;
        else if (ascii == 8)
            key = Qt::Key_Backspace;
        else if (ascii == 27)
            key = Qt::Key_Escape;
        QKeyEvent replacement(QEvent::KeyPress, key, k->modifiers(), QString(c));
        filter_->resending = true;
        QCoreApplication::sendEvent(o, &replacement);
        filter_->resending = false;
        return true;
    }
    default:
        return false;
    }
}
