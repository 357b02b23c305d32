#pragma once
// The window runtime: a form is a window with an ordered list of controls and three events.
//
// Controls are widgets, menus and menu actions, kept in the order the form adds them (the order
// the translation and the resizer walk). Controls of an array share one objectName and carry
// their index. Widgets sit on the form's canvas at rectangles given in twips (15 twips per
// logical pixel; Qt's high-DPI scaling does the rest).
//
// Every form has one program-wide default instance (ui/DefaultForm.h). When the last loaded form
// is unloaded the program ends (ui/ProgramEnd.h).
//
// Activation: Form_Activate runs when a form becomes the program's active form coming from
// another of its forms or from none. Coming back from a message box or from another application
// is not an activation.
//
// The outer rectangle set through SetFormTop/Left/Width/Height is the frame's, title bar
// included. A window manager frames a window only after it is shown; when the frame turns up
// (or changes), the window is placed again so that the frame keeps the rectangle asked for.
// Where windows cannot place themselves (Wayland, see WindowsPlaceThemselves) Top and Left are
// kept but never applied: the window gets the size, the compositor chooses the place, and
// FillScreen maximises the window instead.
//
// Input never reaches a half-made or half-gone form (ui/InputGuard.h).
//
// A form is never destroyed while its own code runs. Its code may run event loops of its own (a
// message box, the translation's processing of pending events), and events that come in there
// may unload it: Unload then takes the form off the screen and out of the loaded forms at once,
// but the form is destroyed only when the outermost of its running calls has returned (FormInUse).
// And one action at a time: a control's handler connected through Action() does nothing while
// another handler runs (in the event loop of its message box, say), while a form loads, activates
// or unloads, or once its form is unloaded. An access key clicks its button a tenth of a second
// late, from a timer that fires inside whatever loop runs then; that click is dropped, as a click
// on a window behind a message box would be.
//
// Surprise: under Wayland a window's size is set only before it is first shown. The compositor
// alone sizes a window it holds maximised or full screen, and it disconnects a program that sets
// another size on such a window; afterwards the program asks for states, never for sizes.

#include "ui/ControlRecord.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRgb>

#include <QRectF>
#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <optional>

class QMenu;
class QAction;

inline constexpr double kTwipsPerPixel = 15.0;

// A background of 256 bands: band i has, per channel, start - i where the channel falls, else start.
struct BandRule {
    std::array<int, 3> start;
    std::array<bool, 3> falls;
};
std::array<QRgb, 256> Bands(const BandRule& rule);

class Form : public QMainWindow {
    Q_OBJECT
public:
    Form(const QString& name, int designWidthTwips, int designHeightTwips);
    ~Form() override;

    // The controls that are still there, in the order they were added.
    QList<QObject*> Controls() const;
    // The records of the controls, in the same order (a control deleted before its form leaves
    // an empty record).
    std::deque<ControlRecord>& Records() { return records_; }
    const std::deque<ControlRecord>& Records() const { return records_; }
    // The record of a control of any form; nullptr for an object that no form has registered.
    static ControlRecord* RecordOf(const QObject* control);
    // A registered widget placed at a rectangle in twips; false for any other object. A widget
    // whose pixels do not change is not touched.
    static bool PlaceAt(QObject* control, const QRectF& twips);
    static bool PlaceAt(ControlRecord& record, const QRectF& twips);
    // The window's own Tag (a text the language file may set).
    const QString& WindowTag() const { return tag_; }
    void SetWindowTag(const QString& tag) { tag_ = tag; }
    // The control of that name (and index, for an array element), or nothing.
    QObject* Control(const QString& name, int index = -1) const;
    template <class T>
    T* ControlAs(const QString& name, int index = -1) const { return qobject_cast<T*>(Control(name, index)); }

    // The title the window was designed with.
    const QString& DesignCaption() const { return designCaption_; }

    // The client area in twips: the window below its menu bar, status bar included.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // The outer rectangle in twips.
    void SetFormTop(double twips);
    void SetFormLeft(double twips);
    void SetFormWidth(double twips);
    void SetFormHeight(double twips);
    bool IsMinimised() const;

    // Fills the screen: Top 0, Left 0, Height and Width of the screen (each raises Form_Resize).
    // Where windows cannot place themselves, the window is maximised: the compositor gives it
    // the room its panels leave, and Form_Resize follows when it does.
    void FillScreen();

    // Persistent background of 256 horizontal bands from the top of the client area down.
    void PaintBands(const std::array<QRgb, 256>& colours);
    const std::array<QRgb, 256>* PaintedBands() const { return bands_ ? &*bands_ : nullptr; }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    // After the language switched to `language` and the window was translated again: texts the
    // window wrote itself are written anew in the new language.
    virtual void Form_LanguageChanged(const QString& language) { Q_UNUSED(language); }

    // Makes this the active form; runs Form_Activate when it was not.
    void Activate();

    // Adds a control (a menu, a menu item) at the end of the list.
    template <class W>
    W* Add(W* control, const QString& name, int index = -1)
    {
        Register(control, name, index);
        return control;
    }

    // Closes the form for good: it leaves the screen and the loaded forms at once, and is
    // destroyed once control returns to the event loop and none of its calls runs any more. The
    // program ends when it was the last loaded form.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    // Runs one action of the form (a control's handler): not while another action runs, while a
    // form loads, activates or unloads, or once this form is unloaded; false when it did not run.
    bool RunAction(const std::function<void()>& action);
    // Whether an action of some form is running now.
    static bool ActionRunning();

protected:
    // Who moves a widget when the window changes size: the resizer, from its design rectangle, or
    // the window itself, from its own model.
    enum class Placement { Scaled, ByTheWindow };

    // Widgets go on the canvas at the rectangle in twips, their design rectangle.
    template <class W>
    W* Place(W* widget, const QString& name, int index, const QRectF& twips, Placement placement = Placement::Scaled)
    {
        widget->setParent(canvas_);
        ControlRecord& record = Register(widget, name, index);
        record.design = twips;
        record.placedByWindow = placement == Placement::ByTheWindow;
        PlaceAt(record, twips);
        return widget;
    }
    template <class W>
    W* Place(W* widget, const QString& name, int index, double left, double top, double width, double height)
    {
        return Place(widget, name, index, QRectF(left, top, width, height));
    }

    // A handler to connect to a control's signal, run through RunAction.
    template <class F>
    std::function<void()> Action(void (F::*handler)())
    {
        F* self = static_cast<F*>(this);
        return [self, handler] { self->RunAction([self, handler] { (self->*handler)(); }); };
    }
    std::function<void()> Action(std::function<void()> handler)
    {
        return [this, handler = std::move(handler)] { RunAction(handler); };
    }

    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    ControlRecord& Register(QObject* control, const QString& name, int index);
    int MenuBarHeight() const;
    void PaintCanvas(QWidget* canvas);
    QMargins FrameMargins() const;
    // Places the window so that its frame covers the outer rectangle asked for.
    void PlaceFrame();
    QRect OuterRect() const;

    std::optional<QRect> outer_;  // asked for, in pixels; the frame's rectangle
    QMargins placedWith_;         // the frame margins it was placed with

    QWidget* canvas_;
    std::deque<ControlRecord> records_;  // one per control, in the order they were added; never moved
    QString tag_;
    std::optional<std::array<QRgb, 256>> bands_;
    QString designCaption_;
    int designWidth_;
    int designHeight_;
    bool unloaded_ = false;
    bool shown_ = false;  // shown at least once
    int inUse_ = 0;       // calls of the form running now (FormInUse)

    // A form the default instance has just made joins the loaded forms.
    static void JoinLoaded(Form* form);

    friend class DefaultForm;
    friend class FormInUse;
};

// Keeps a form from being destroyed while it lives: every call into a form that can run an event
// loop (an action, a load, an activation, a translation) holds one. A form unloaded meanwhile is
// destroyed when the last one goes.
class FormInUse {
public:
    explicit FormInUse(Form* form);
    ~FormInUse();
    FormInUse(const FormInUse&) = delete;
    FormInUse& operator=(const FormInUse&) = delete;

private:
    QPointer<Form> form_;
};

// The loaded forms, in the order they were loaded.
QList<Form*> LoadedForms();

// Whether a window can put itself where it wants on the screen. X11, Windows and macOS let it.
// Under Wayland the compositor alone places windows, and the room its panels take is not part
// of QScreen::availableGeometry, so a window sized to that area and put at its corner would run
// off the screen.
bool WindowsPlaceThemselves();

// Screen size in twips (the available desktop area of the primary screen). Tests may fix it.
double ScreenWidthTwips();
double ScreenHeightTwips();
void SetScreenSizeTwipsForTesting(double width, double height);

// An information box for the player over the window that has news, shown once no action runs:
// not in the middle of the window's own code, nor while another action's question waits for an
// answer (it is shown when that is answered). Once the window is unloaded or gone it stands alone.
void TellWhenFree(QWidget* window, const QString& text);
