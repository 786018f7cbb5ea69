#pragma once
// Base of every window of the program: loading and unloading, modal showing with its own
// event loop, the Load/Activate/Resize/Unload/KeyPress hooks, focus and mouse events of its
// controls as the window code expects them, and the failure guard of its handlers.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>

class QEventLoop;

// 15 twips = 1 pixel.
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    // Runs Form_Load once until the form is unloaded.
    void Load();
    // Loads if needed and shows; modal runs a nested event loop that returns when the form
    // is hidden or unloaded.
    void Show(bool modal = false);
    // Hides the form (it stays loaded) and ends its modal loop.
    void Hide();
    // Runs Form_Unload; unless cancelled, hides, ends the modal loop and marks it unloaded.
    void Unload();
    bool IsLoaded() const;
    bool IsShownModal() const;

    void Move(int leftTwips, int topTwips);
    int LeftTwips() const;
    int TopTwips() const;
    // 0 normal, 1 minimised, 2 maximised. Becoming minimised raises Form_Resize.
    int WindowState() const;
    void SetWindowState(int state);

    // Handlers raised when the focus moves between controls of this window.
    void OnGotFocus(QWidget* w, std::function<void()> h);
    void OnLostFocus(QWidget* w, std::function<void()> h);
    // h runs on a mouse press on button, before the focus leaves the current control.
    void OnMouseDownFirst(QWidget* button, std::function<void()> h);
    // `over` runs when the mouse pointer comes over w, `away` when it leaves w while w and this
    // window are still shown and loaded (a window closing or hiding under the pointer is no
    // leaving). Both run through Guard.
    void OnMouseOver(QWidget* w, std::function<void()> over, std::function<void()> away);
    // Puts the focus into w (and activates its window when visible).
    static void SetFocus(QWidget* w);

    // Runs handler; a std::exception thrown by it is caught, onFailure runs, and a message
    // box (style 48) tells the error. Returns normally in every case. The hooks and the
    // focus and mouse-down handlers are run through it too.
    void Guard(const std::function<void()>& handler, const std::function<void()>& onFailure = {});

    // Runs an event handler of the window's own under the failure guard. A handler set off by
    // a write of the handler that is running (a box's Change, an option's Click) runs as part
    // of it: its failure is kept and raised in the outer handler when the write returns
    // (RaisePending), never through the toolkit, and the handlers it would set off meanwhile
    // are skipped. A failure of the outermost handler runs the restore that Snapshot() gave
    // before it started, then a message tells the error.
    void Handle(const std::function<void()>& handler);
    // Raises the failure of a nested handler that is still pending (after a write that may
    // have set one off).
    void RaisePending();

protected:
    // What Handle restores after a failing handler: called before the outermost handler runs,
    // it returns the restore (nothing by default).
    virtual std::function<void()> Snapshot() { return {}; }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    // Sees every key press of the window first; 13 for Enter; set to 0 to swallow the key.
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }

    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

private slots:
    void onFocusChanged(QWidget* old, QWidget* now);

private:
    bool filterEvent(QObject* o, QEvent* e);
    void endModalLoop();
    void becameActive();
    void afterHidden();
    void runMouseDownFirst(QWidget* owner);
    bool ownsWidget(QWidget* w) const;
    QWidget* controlOf(QWidget* w) const;
    QWidget* handlerOwner(QWidget* w, const QHash<QWidget*, std::function<void()>>& table) const;

    friend class FormEventFilter;

    bool loaded_ = false;
    bool everShown_ = false;
    bool inShow_ = false;
    int lastState_ = 0;
    QEventLoop* modalLoop_ = nullptr;
    QPointer<QWidget> current_;  // control holding the focus, as far as handlers know
    bool inLostFocus_ = false;
    QHash<QWidget*, std::function<void()>> gotFocus_;
    QHash<QWidget*, std::function<void()>> lostFocus_;
    QHash<QWidget*, std::function<void()>> mouseDownFirst_;
    QPointer<QWidget> mouseDownDone_;  // button whose mouse-down already ran on this press
    class FormEventFilter* filter_ = nullptr;
    int handling_ = 0;            // Handle calls running (nested ones included)
    std::exception_ptr pending_;  // failure of a nested handler, not yet raised
};
