#include "ui/MLSTranslateForm.h"

#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"
#include "ui/Form.h"
#include "ui/Properties.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

struct Keyed {
    TextProperty property;
    const char* suffix;
};
constexpr Keyed kControlTexts[] = {
    {TextProperty::Caption, ".Caption"},
    {TextProperty::ToolTipText, ".ToolTipText"},
    {TextProperty::Tag, ".Tag"},
};

}  // namespace

void MLSTranslateForm(Form* form)
{
    if (!form || form->IsUnloaded()) return;
    // Pending events run between the controls; the form may be unloaded there, but it stays
    // whole until this returns.
    FormInUse use(form);
    // The window's texts come from one reading of the file: some three keys per control, each
    // asked of the same parsed file instead of asking the file system about it every time.
    // Without a file nothing is read and every control keeps its texts.
    const auto doc = CachedDocument(MLSLanguageFile());
    const QString w = form->objectName();
    const auto entry = [&](const QString& key) { return doc ? doc->Value(w, key) : std::nullopt; };

    // The title: only a window designed with one gets one, and only from a key the file holds,
    // so a missing key leaves the title and a later language can still set it.
    if (!form->DesignCaption().isEmpty())
        if (const auto title = entry(w + QStringLiteral(".Caption"))) SetText(form, TextProperty::Caption, *title);
    if (doc) SetText(form, TextProperty::Tag, entry(w + QStringLiteral(".Tag")).value_or(QString()));

    QList<QPointer<QObject>> controls;
    for (QObject* control : form->Controls()) controls.append(control);
    for (const QPointer<QObject>& control : controls) {
        if (form->IsUnloaded()) return;  // closed meanwhile: nobody sees its texts any more
        if (!control) continue;
        const QString name = control->objectName();
        const auto index = GetIndex(control);
        const QString key = index ? name + u'(' + QString::number(*index) + u')' : name;
        for (const Keyed& k : kControlTexts) {
            const auto text = entry(key + QLatin1String(k.suffix));
            if (text && !text->isEmpty()) SetText(control, k.property, *text);
        }
        if (const auto tabs = GetTabCount(control); doc && tabs && *tabs != 0) {
            for (int i = 0; i <= *tabs; ++i)
                SetTabCaption(control, i, entry(name + QStringLiteral(".TabCaption(%1)").arg(i)).value_or(QString()));
        }
        // A big window keeps painting while it is translated. Input waits until the window is
        // whole: a click let through here could reopen, close or delete the window in the middle
        // of its load.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
