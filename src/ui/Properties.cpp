#include "ui/Properties.h"

#include "ui/AccessibleNames.h"
#include "ui/CaptionFit.h"
#include "ui/Form.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRectF>
#include <QTabWidget>

namespace {

bool IsWindow(const QObject* o)
{
    const auto* w = qobject_cast<const QWidget*>(o);
    return w && w->isWindow() && qobject_cast<const Form*>(o);
}

std::optional<QString> GetCaption(const QObject* o)
{
    if (IsWindow(o)) return static_cast<const QWidget*>(o)->windowTitle();
    if (const auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    if (const auto* m = qobject_cast<const QMenu*>(o)) return m->title();
    if (const auto* a = qobject_cast<const QAction*>(o)) return a->text();
    return std::nullopt;
}

bool SetCaptionOf(QObject* o, const QString& v)
{
    if (IsWindow(o)) {
        static_cast<QWidget*>(o)->setWindowTitle(v);
        return true;
    }
    if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(v);
        // Line ends that space a text out on the screen are not read aloud.
        l->setAccessibleName(SpokenText(v, l->textFormat()));
        return true;
    }
    if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        b->setText(v);
        return true;
    }
    if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(v);
        return true;
    }
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(v);
        return true;
    }
    return false;
}

const QWidget* ToolTipHolder(const QObject* o)
{
    const auto* w = qobject_cast<const QWidget*>(o);
    if (!w || qobject_cast<const QMenu*>(o) || IsWindow(o)) return nullptr;
    return w;
}

std::optional<QRectF> TwipsOf(const QObject* o)
{
    const ControlRecord* r = Form::RecordOf(o);
    if (!r || !r->twips) return std::nullopt;
    return r->twips;
}

}  // namespace

std::optional<QString> GetText(const QObject* control, TextProperty property)
{
    if (!control) return std::nullopt;
    switch (property) {
    case TextProperty::Caption:
        return GetCaption(control);
    case TextProperty::ToolTipText:
        if (const QWidget* w = ToolTipHolder(control)) return w->toolTip();
        return std::nullopt;
    case TextProperty::Tag:
        if (IsWindow(control)) return static_cast<const Form*>(control)->WindowTag();
        if (const ControlRecord* r = Form::RecordOf(control)) return r->Tag();
        return std::nullopt;
    }
    return std::nullopt;
}

bool SetText(QObject* control, TextProperty property, const QString& value)
{
    if (!control) return false;
    switch (property) {
    case TextProperty::Caption:
        if (!SetCaptionOf(control, value)) return false;
        // A new caption may not fit the control as it is scaled now.
        if (ControlRecord* r = Form::RecordOf(control)) FitCaptionFont(*r);
        return true;
    case TextProperty::ToolTipText:
        if (!ToolTipHolder(control)) return false;
        static_cast<QWidget*>(control)->setToolTip(value);
        return true;
    case TextProperty::Tag:
        if (IsWindow(control)) {
            static_cast<Form*>(control)->SetWindowTag(value);
            return true;
        }
        if (ControlRecord* r = Form::RecordOf(control)) {
            r->SetTag(value);  // the resize flags are read here, once
            return true;
        }
        return false;
    }
    return false;
}

std::optional<int> GetIndex(const QObject* control)
{
    const ControlRecord* r = Form::RecordOf(control);
    if (!r || r->index < 0) return std::nullopt;
    return r->index;
}

std::optional<double> GetCoordinate(const QObject* control, Coordinate coordinate)
{
    const auto r = TwipsOf(control);
    if (!r) return std::nullopt;
    switch (coordinate) {
    case Coordinate::Left: return r->x();
    case Coordinate::Top: return r->y();
    case Coordinate::Width: return r->width();
    case Coordinate::Height: return r->height();
    }
    return std::nullopt;
}

bool SetCoordinate(QObject* control, Coordinate coordinate, double twips)
{
    auto r = TwipsOf(control);
    if (!r) return false;
    switch (coordinate) {
    case Coordinate::Left: r->moveLeft(twips); break;
    case Coordinate::Top: r->moveTop(twips); break;
    case Coordinate::Width:
        if (twips < 0) return false;
        r->setWidth(twips);
        break;
    case Coordinate::Height:
        if (twips < 0) return false;
        r->setHeight(twips);
        break;
    }
    return Form::PlaceAt(control, *r);
}

std::optional<int> GetTabCount(const QObject* control)
{
    if (const auto* t = qobject_cast<const QTabWidget*>(control)) return t->count();
    return std::nullopt;
}

bool SetTabCaption(QObject* control, int tab, const QString& caption)
{
    auto* t = qobject_cast<QTabWidget*>(control);
    if (!t || tab < 0 || tab >= t->count()) return false;
    t->setTabText(tab, caption);
    return true;
}

QString Caption(const QObject* control) { return GetText(control, TextProperty::Caption).value_or(QString()); }
void SetCaption(QObject* control, const QString& value) { SetText(control, TextProperty::Caption, value); }
QString Tag(const QObject* control) { return GetText(control, TextProperty::Tag).value_or(QString()); }
void SetTag(QObject* control, const QString& value) { SetText(control, TextProperty::Tag, value); }
double Left(const QObject* control) { return GetCoordinate(control, Coordinate::Left).value_or(0.0); }
