#include "ui/InputGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

int& BusyDepth()
{
    static int depth = 0;
    return depth;
}

bool IsInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

class InputFilter : public QObject {
public:
    explicit InputFilter(std::function<GuardedWindow(const QWidget*)> lookUp) : lookUp_(std::move(lookUp)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (!IsInput(e->type()) || !watched->isWidgetType()) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (e->type() == QEvent::MouseButtonPress) lastPressed_ = window;
        const GuardedWindow w = lookUp_(window);
        if (!w.guarded) return false;
        if (w.gone || FormsBusy()) return true;
        // Qt makes the second press of a double click a double-click event for whatever lies
        // under the pointer; when the first press went elsewhere it is no click here.
        return e->type() == QEvent::MouseButtonDblClick && lastPressed_ != window;
    }

private:
    std::function<GuardedWindow(const QWidget*)> lookUp_;
    QPointer<QWidget> lastPressed_;
};

}  // namespace

Busy::Busy() { ++BusyDepth(); }
Busy::~Busy() { --BusyDepth(); }

bool FormsBusy() { return BusyDepth() > 0; }

void GuardInput(std::function<GuardedWindow(const QWidget* window)> lookUp)
{
    static InputFilter* filter = nullptr;
    if (filter || !QCoreApplication::instance()) return;
    filter = new InputFilter(std::move(lookUp));
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}
