#include "ui/Form.h"

#include "ui/AccessibleNames.h"
#include "ui/InputGuard.h"
#include "ui/MsgBox.h"
#include "ui/ProgramEnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>


namespace {

// Every registered control's record, whatever its form.
QHash<const QObject*, ControlRecord*>& AllRecords()
{
    static QHash<const QObject*, ControlRecord*> records;
    return records;
}

QList<QPointer<Form>>& Loaded()
{
    static QList<QPointer<Form>> forms;
    return forms;
}

QPointer<Form>& ActiveForm()
{
    static QPointer<Form> active;
    return active;
}

std::optional<QSizeF>& ScreenOverride()
{
    static std::optional<QSizeF> size;
    return size;
}

QRect ScreenArea()
{
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->availableGeometry();
    return QRect(0, 0, 1024, 768);
}

// Where Top 0, Left 0 lies: the corner of the available desktop area.
QPoint ScreenOrigin() { return ScreenOverride() ? QPoint(0, 0) : ScreenArea().topLeft(); }

int& ActionDepth()
{
    static int depth = 0;
    return depth;
}

// The canvas the controls sit on; it paints the form's background bands.
class CanvasWidget : public QWidget {
public:
    CanvasWidget(Form* form, std::function<void(QWidget*)> paint) : QWidget(form), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override { paint_(this); }

private:
    std::function<void(QWidget*)> paint_;
};

}  // namespace

std::array<QRgb, 256> Bands(const BandRule& rule)
{
    std::array<QRgb, 256> colours{};
    for (int i = 0; i < 256; ++i) {
        int c[3];
        for (int k = 0; k < 3; ++k) c[k] = rule.falls[size_t(k)] ? rule.start[size_t(k)] - i : rule.start[size_t(k)];
        colours[size_t(i)] = qRgb(qBound(0, c[0], 255), qBound(0, c[1], 255), qBound(0, c[2], 255));
    }
    return colours;
}

Form::Form(const QString& name, int designWidthTwips, int designHeightTwips)
    : canvas_(new CanvasWidget(this, [this](QWidget* c) { PaintCanvas(c); })),
      designWidth_(designWidthTwips),
      designHeight_(designHeightTwips)
{
    setObjectName(name);
    setCentralWidget(canvas_);
    GuardInput([](const QWidget* window) {
        const auto* form = qobject_cast<const Form*>(window);
        return GuardedWindow{form != nullptr, form && form->IsUnloaded()};
    });
    InstallAccessibleNames();
}

Form::~Form()
{
    Loaded().removeAll(QPointer<Form>(this));
    for (const ControlRecord& r : records_) AllRecords().remove(r.control);
}

ControlRecord& Form::Register(QObject* control, const QString& name, int index)
{
    control->setObjectName(name);
    ControlRecord& record = records_.emplace_back(control, name, index >= 0 ? index : -1);
    AllRecords().insert(control, &record);
    // A control deleted before its form (a menu item taken away) leaves an empty record behind,
    // which nothing finds or walks any more. The form's destructor forgets its records before its
    // children go, so then nothing of the form is touched here.
    connect(control, &QObject::destroyed, this, [control] {
        ControlRecord* r = AllRecords().take(control);
        if (r) r->control = nullptr;
    });
    return record;
}

QList<QObject*> Form::Controls() const
{
    QList<QObject*> controls;
    for (const ControlRecord& r : records_)
        if (r.control) controls.append(r.control);
    return controls;
}

ControlRecord* Form::RecordOf(const QObject* control) { return AllRecords().value(control); }

bool Form::PlaceAt(QObject* control, const QRectF& r)
{
    ControlRecord* record = RecordOf(control);
    return record && PlaceAt(*record, r);
}

bool Form::PlaceAt(ControlRecord& record, const QRectF& r)
{
    if (!record.control->isWidgetType()) return false;
    record.twips = r;
    auto* widget = static_cast<QWidget*>(record.control);
    const QRect pixels(qRound(r.x() / kTwipsPerPixel), qRound(r.y() / kTwipsPerPixel), qRound(r.width() / kTwipsPerPixel),
                       qRound(r.height() / kTwipsPerPixel));
    if (widget->geometry() != pixels) widget->setGeometry(pixels);
    return true;
}

QObject* Form::Control(const QString& name, int index) const
{
    for (const ControlRecord& r : records_)
        if (r.control && r.name == name && r.index == (index < 0 ? -1 : index)) return r.control;
    return nullptr;
}

int Form::MenuBarHeight() const
{
    const QWidget* bar = menuWidget();
    if (!bar || bar->isHidden() || bar->actions().isEmpty()) return 0;
    return bar->sizeHint().height();
}

double Form::ScaleWidth() const { return width() * kTwipsPerPixel; }
double Form::ScaleHeight() const { return (height() - MenuBarHeight()) * kTwipsPerPixel; }

QMargins Form::FrameMargins() const
{
    if (const QWindow* w = windowHandle()) return w->frameMargins();
    return {};
}

QRect Form::OuterRect() const { return outer_ ? *outer_ : frameGeometry(); }

void Form::SetFormTop(double twips)
{
    QRect r = OuterRect();
    r.moveTop(ScreenOrigin().y() + qRound(twips / kTwipsPerPixel));
    outer_ = r;
    PlaceFrame();
}

void Form::SetFormLeft(double twips)
{
    QRect r = OuterRect();
    r.moveLeft(ScreenOrigin().x() + qRound(twips / kTwipsPerPixel));
    outer_ = r;
    PlaceFrame();
}

void Form::SetFormWidth(double twips)
{
    QRect r = OuterRect();
    r.setWidth(qMax(1, qRound(twips / kTwipsPerPixel)));
    outer_ = r;
    PlaceFrame();
}

void Form::SetFormHeight(double twips)
{
    QRect r = OuterRect();
    r.setHeight(qMax(1, qRound(twips / kTwipsPerPixel)));
    outer_ = r;
    PlaceFrame();
}

void Form::PlaceFrame()
{
    // The frame is the window manager's: the client gets what the frame leaves of the rectangle.
    // Until the window is framed the margins are 0; event() places it again once they are known.
    // Placed by its client rectangle: the frame Qt remembers may be older than these margins.
    const QMargins m = FrameMargins();
    placedWith_ = m;
    const QRect client = outer_->marginsRemoved(m);
    const QRect wanted(client.topLeft(), client.size().expandedTo(QSize(1, 1)));
    if (!WindowsPlaceThemselves()) {
        // Only the size is the window's to choose, and only until it shows: where Qt believes
        // it stands means nothing, and a shown window may be one the compositor holds maximised.
        if (!shown_ && size() != wanted.size()) resize(wanted.size());
        return;
    }
    if (geometry() != wanted) setGeometry(wanted);
}

bool Form::IsMinimised() const { return isMinimized(); }

void Form::FillScreen()
{
    if (!WindowsPlaceThemselves()) {
        // Only the compositor knows the room its panels leave: it gives it to a maximised window.
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) | Qt::WindowMaximized);
        return;
    }
    SetFormTop(0);
    SetFormLeft(0);
    SetFormHeight(ScreenHeightTwips());
    SetFormWidth(ScreenWidthTwips());
}

void Form::PaintBands(const std::array<QRgb, 256>& colours)
{
    bands_ = colours;
    canvas_->update();
}

void Form::PaintCanvas(QWidget* canvas)
{
    if (!bands_) return;
    QPainter p(canvas);
    // The bands divide the client area (status bar included) into 256 rows from the top.
    const double client = ScaleHeight() / kTwipsPerPixel;
    for (int i = 0; i < 256; ++i) {
        const int top = int(client * i / 256.0);
        const int bottom = int(client * (i + 1) / 256.0);
        if (bottom <= top) continue;
        p.fillRect(0, top, canvas->width(), bottom - top, QColor::fromRgb((*bands_)[size_t(i)]));
    }
}

void Form::Activate()
{
    if (unloaded_ || ActiveForm() == this) return;
    ActiveForm() = this;
    Busy busy;
    FormInUse use(this);
    Form_Activate();
}

bool Form::RunAction(const std::function<void()>& action)
{
    if (unloaded_ || FormsBusy() || ActionRunning()) return false;
    ++ActionDepth();
    FormInUse use(this);
    action();
    --ActionDepth();
    return true;
}

bool Form::ActionRunning() { return ActionDepth() > 0; }

FormInUse::FormInUse(Form* form) : form_(form)
{
    if (form_) ++form_->inUse_;
}

FormInUse::~FormInUse()
{
    if (form_ && --form_->inUse_ == 0 && form_->unloaded_) form_->deleteLater();
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::Show) shown_ = true;
    if (e->type() == QEvent::WindowActivate && !unloaded_ && isVisible()) Activate();
    const bool done = QMainWindow::event(e);
    switch (e->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        // Framed late, or framed anew: the frame must keep the rectangle asked for. A window
        // manager that puts the frame around the window where it stands moves nothing, so the
        // first activation and the first paint look too. A window the player has moved or
        // sized meanwhile keeps the frame margins, and stays put.
        if (WindowsPlaceThemselves() && outer_ && !unloaded_ && isVisible() && windowState() == Qt::WindowNoState &&
            FrameMargins() != placedWith_)
            PlaceFrame();
        break;
    default:
        break;
    }
    return done;
}

void Form::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (!unloaded_) Form_Resize();
}

void Form::closeEvent(QCloseEvent* e)
{
    // Closed by its window border: unloaded like any other way, without a question.
    e->accept();
    Unload();
}

void Form::Unload()
{
    if (unloaded_) return;
    Busy busy;
    unloaded_ = true;
    if (ActiveForm() == this) ActiveForm() = nullptr;
    Loaded().removeAll(QPointer<Form>(this));
    hide();
    if (inUse_ == 0) deleteLater();  // else the last of its running calls destroys it
    if (Loaded().isEmpty()) EndProgram(false);
}

void Form::JoinLoaded(Form* form) { Loaded().append(form); }

QList<Form*> LoadedForms()
{
    QList<Form*> forms;
    for (const auto& f : Loaded())
        if (f) forms.append(f.data());
    return forms;
}

bool WindowsPlaceThemselves()
{
    // Qt names its Wayland platforms "wayland", "wayland-egl" and so on.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

double ScreenWidthTwips()
{
    if (ScreenOverride()) return ScreenOverride()->width();
    return ScreenArea().width() * kTwipsPerPixel;
}

double ScreenHeightTwips()
{
    if (ScreenOverride()) return ScreenOverride()->height();
    return ScreenArea().height() * kTwipsPerPixel;
}

void SetScreenSizeTwipsForTesting(double width, double height) { ScreenOverride() = QSizeF(width, height); }

void TellWhenFree(QWidget* window, const QString& text)
{
    const QPointer<QWidget> owner(window);
    QTimer::singleShot(0, qApp, [owner, text] {
        const auto tell = [&text](QWidget* over) { MsgBox(over, text, MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo")); };
        auto* form = qobject_cast<Form*>(owner.data());
        if (!form) return tell(owner.data());  // no window, or not a form: no action to wait for
        if (form->IsUnloaded()) return tell(nullptr);
        if (!form->RunAction([&] { tell(form); }))
            QTimer::singleShot(100, qApp, [owner, text] { TellWhenFree(owner.data(), text); });
    });
}
