#include "ui/DestroyedWindows.h"

#include "ui/Form.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <cstring>

namespace {

// The X11 event that tells a window is gone (xcb's DestroyNotify): one byte of its type (the top
// bit marks an event sent by a client), then, at byte 8, the window, in the machine's byte order.
constexpr quint8 kDestroyNotify = 17;
constexpr int kWindowOffset = 8;

class DestroyedWindowFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !message) return false;
        const auto* bytes = static_cast<const unsigned char*>(message);
        if ((bytes[0] & 0x7f) != kDestroyNotify) return false;
        quint32 window = 0;
        std::memcpy(&window, bytes + kWindowOffset, sizeof window);
        for (Form* form : LoadedForms()) {
            if (!form->testAttribute(Qt::WA_WState_Created) || quint32(form->internalWinId()) != window) continue;
            // Not from inside the window system's event handling: once it has returned.
            QMetaObject::invokeMethod(form, [form] { form->Unload(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void WatchForDestroyedWindows()
{
    static DestroyedWindowFilter* filter = nullptr;
    if (filter || !QCoreApplication::instance()) return;
    filter = new DestroyedWindowFilter;
    QCoreApplication::instance()->installNativeEventFilter(filter);
}
