#include "ui/LanguageMenu.h"

#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/LanguageSwitch.h"
#include "ui/Form.h"
#include "ui/MLSTranslateForm.h"
#include "ui/Properties.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

LanguageMenu::LanguageMenu(Form* form, QMenu* menu)
    : QObject(form), form_(form), menu_(menu), group_(new QActionGroup(this))
{
    NewItem(QStringLiteral("mnuLanguage 0"), 0);
    connect(&Languages(), &LanguageNotifier::LanguageSwitched, this, &LanguageMenu::Check);
}

QAction* LanguageMenu::NewItem(const QString& caption, int index)
{
    QAction* item = form_->Add(menu_->addAction(caption), QStringLiteral("mnuLanguage"), index);
    item->setCheckable(true);
    group_->addAction(item);  // one language checked at a time
    connect(item, &QAction::triggered, this, [this, index] {
        if (!form_->RunAction([this, index] { Pick(index); })) Check(MLSCurrentLanguage);
    });
    items_.push_back(item);
    return item;
}

QAction* LanguageMenu::Item(int k) const { return k >= 0 && k < Count() ? items_[size_t(k)] : nullptr; }

bool LanguageMenu::Fill()
{
    const QStringList languages = InstalledLanguages();
    if (languages.isEmpty()) return false;
    for (int k = 0; k < languages.size(); ++k) {
        if (k >= Count()) NewItem(languages[k], k);
        SetCaption(Item(k), languages[k]);
        Item(k)->setData(languages[k]);
    }
    if (const auto current = MLSReadIni(MLSSettingFile(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage")))
        MLSCurrentLanguage = *current;
    Check(MLSCurrentLanguage);
    return true;
}

void LanguageMenu::Pick(int k)
{
    QAction* item = Item(k);
    if (!item || item->data().isNull()) return;
    item->setChecked(true);
    SwitchLanguage(item->data().toString());
}

void LanguageMenu::Check(const QString& language)
{
    for (QAction* item : items_)
        if (!item->data().isNull() && item->data().toString() == language) {
            item->setChecked(true);
            return;
        }
    if (QAction* checked = group_->checkedAction()) checked->setChecked(false);
}

void FollowLanguageSwitches(Form* form)
{
    QObject::connect(&Languages(), &LanguageNotifier::LanguageSwitched, form, [form](const QString& language) {
        if (form->IsUnloaded()) return;
        FormInUse use(form);
        MLSTranslateForm(form);
        if (!form->IsUnloaded()) form->Form_LanguageChanged(language);
    });
}
