#include "forms/Form.h"

#include "forms/Properties.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

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

std::function<void(bool)>& EndHandler()
{
    static std::function<void(bool)> handler;
    return handler;
}

QRect ScreenArea()
{
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->availableGeometry();
    return QRect(0, 0, 1024, 768);
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
}

Form::~Form()
{
    Loaded().removeAll(QPointer<Form>(this));
}

void Form::Register(QObject* control, const QString& name, int index)
{
    control->setObjectName(name);
    SetArrayIndex(control, index);
    controls_.append(control);
}

void Form::PlaceTwips(QWidget* w, double left, double top, double width, double height)
{
    SetTwipsGeometry(w, left, top, width, height);
}

QObject* Form::Control(const QString& name, int index) const
{
    for (QObject* c : controls_) {
        if (c->objectName() != name) continue;
        const auto i = GetIndex(c);
        if ((index < 0 && !i) || (i && *i == index)) return c;
    }
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

void Form::SetFormTop(double twips) { move(x(), qRound(twips / kTwipsPerPixel)); }
void Form::SetFormLeft(double twips) { move(qRound(twips / kTwipsPerPixel), y()); }

void Form::SetFormWidth(double twips)
{
    const int frame = frameGeometry().width() - width();
    resize(qMax(1, qRound(twips / kTwipsPerPixel) - frame), height());
}

void Form::SetFormHeight(double twips)
{
    const int frame = frameGeometry().height() - height();
    resize(width(), qMax(1, qRound(twips / kTwipsPerPixel) - frame));
}

bool Form::IsMinimised() const { return isMinimized(); }

void Form::FillScreen()
{
    const QRect area = ScreenArea();
    move(ScreenOverride() ? 0 : area.x(), ScreenOverride() ? 0 : area.y());
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
    Form_Activate();
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !unloaded_ && isVisible()) Activate();
    return QMainWindow::event(e);
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
    unloaded_ = true;
    if (ActiveForm() == this) ActiveForm() = nullptr;
    Loaded().removeAll(QPointer<Form>(this));
    hide();
    deleteLater();
    if (Loaded().isEmpty()) EndProgram(false);
}

Form* DefaultForm::Load()
{
    if (IsLoaded()) return instance_.data();
    Form* f = factory_();
    instance_ = f;
    f->designCaption_ = f->windowTitle();
    f->resize(qRound(f->designWidth_ / kTwipsPerPixel),
              qRound(f->designHeight_ / kTwipsPerPixel) + f->MenuBarHeight());
    Loaded().append(f);
    f->Form_Load();
    return f;
}

void DefaultForm::Show()
{
    Form* f = Load();
    if (f->IsUnloaded()) return;  // its Form_Load unloaded it again
    f->show();
    f->raise();
    f->activateWindow();
    f->Activate();
}

void DefaultForm::Unload()
{
    if (IsLoaded()) instance_->Unload();
}

QList<Form*> LoadedForms()
{
    QList<Form*> forms;
    for (const auto& f : Loaded())
        if (f) forms.append(f.data());
    return forms;
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

void SetProgramEndHandler(std::function<void(bool atOnce)> handler) { EndHandler() = std::move(handler); }

void EndProgram(bool atOnce)
{
    if (EndHandler()) return EndHandler()(atOnce);
    if (!atOnce) {
        QCoreApplication::quit();
        return;
    }
    // At once: no window gets its unload events and no further code runs.
    std::fflush(nullptr);
    std::_Exit(0);
}
