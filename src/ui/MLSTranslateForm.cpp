#include "ui/MLSTranslateForm.h"

#include "text/IniReadWrite.h"
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
    if (!form) return;
    const QString file = MLSLanguageFile();
    const QString w = form->objectName();
    const auto entry = [&](const QString& key) { return MLSReadIniEntry(file, w, key); };

    // The title: only a window designed with one gets one, and only from a key the file holds,
    // so a missing key leaves the title and a later language can still set it.
    if (!form->DesignCaption().isEmpty())
        if (const auto title = entry(w + QStringLiteral(".Caption"))) SetText(form, TextProperty::Caption, *title);
    if (const auto tag = MLSReadIni(file, w, w + QStringLiteral(".Tag"))) SetText(form, TextProperty::Tag, *tag);

    for (QObject* control : form->Controls()) {
        const QString name = control->objectName();
        const auto index = GetIndex(control);
        const QString key = index ? name + u'(' + QString::number(*index) + u')' : name;
        for (const Keyed& k : kControlTexts) {
            const auto text = entry(key + QLatin1String(k.suffix));
            if (text && !text->isEmpty()) SetText(control, k.property, *text);
        }
        if (const auto tabs = GetTabCount(control); tabs && *tabs != 0) {
            for (int i = 0; i <= *tabs; ++i)
                if (const auto text = MLSReadIni(file, w, name + QStringLiteral(".TabCaption(%1)").arg(i)))
                    SetTabCaption(control, i, *text);
        }
        // A big window keeps painting while it is translated. Input waits until the window is
        // whole: a click let through here could reopen, close or delete the window in the middle
        // of its load.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
