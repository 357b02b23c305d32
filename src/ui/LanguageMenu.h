#pragma once
// A window's language menu: the menu "mnuLanguages" and its item array "mnuLanguage", one item
// per language file beside the program, captioned with the language's name, the current one
// checked. Element 0 is made with the menu, captioned "mnuLanguage 0" until the menu is filled.
//
// Picking an item switches the language (text/LanguageSwitch.h) as one action of its window
// (Form::RunAction); an item picked while the window cannot act leaves the check where it was.
// Every language menu follows a switch made in any window.

#include <QObject>
#include <QString>

#include <vector>

class Form;
class QAction;
class QActionGroup;
class QMenu;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // The menu, already registered with the form as "mnuLanguages".
    LanguageMenu(Form* form, QMenu* menu);

    // One item per language file, the current language checked (MLSFillMenuLanguages). False
    // when there is no language file: element 0 then keeps its design caption.
    bool Fill();
    // Picks item k: the language switches.
    void Pick(int k);

    QAction* Item(int k) const;
    int Count() const { return int(items_.size()); }
    QMenu* Menu() const { return menu_; }

private:
    QAction* NewItem(const QString& caption, int index);
    // Checks the item of that language, or none.
    void Check(const QString& language);

    Form* form_;
    QMenu* menu_;
    QActionGroup* group_;
    std::vector<QAction*> items_;
};

// The window renews itself whenever the language switches: its captions from the language file
// (MLSTranslateForm), then what it wrote itself (Form_LanguageChanged).
void FollowLanguageSwitches(Form* form);
