#include "ui/AccessibleNames.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextDocumentFragment>
#include <QWidget>
#include <QWindow>

QString SpokenText(const QString& text, Qt::TextFormat format)
{
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    QString spoken = rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    spoken.remove(QChar::ObjectReplacementCharacter);
    return spoken.trimmed();
}

namespace {

// A caption without its mnemonic marks: "&&" stands for "&", "&x" for "x".
QString WithoutMnemonics(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') out += caption[i];
        else if (i + 1 < caption.size()) out += caption[++i];
    }
    return out;
}

class MenuBarItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuBarItem(QAction* action, QMenuBar* bar) : action_(action), bar_(bar) {}

    bool isValid() const override { return action_ && bar_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return SpokenText(WithoutMnemonics(action_->text()));
        if (t == QAccessible::Accelerator) {
            const QKeySequence key = action_->shortcut().isEmpty() ? QKeySequence::mnemonic(action_->text())
                                                                   : action_->shortcut();
            return key.toString(QKeySequence::NativeText);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect r = bar_->actionGeometry(action_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) return s;
        s.invisible = !bar_->isVisible() || !action_->isVisible();
        s.focused = bar_->activeAction() == action_;
        s.disabled = !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (isValid() && name == pressAction() && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenuBar> bar_;
};

// The clue's card: a label that screen readers read as text, line by line and word by word (Qt
// gives a label a name only). Its text is the label's, with the line ends it shows.
class ClueCard : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ClueCard(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(int start, int end) const override { return Content().mid(start, end - start); }
    int characterCount() const override { return int(Content().size()); }
    int cursorPosition() const override { return cursor_; }
    void setCursorPosition(int position) override { cursor_ = qBound(0, position, characterCount()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QString Content() const
    {
        return QString(static_cast<const QLabel*>(widget())->text()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }

    int cursor_ = 0;
};

QAccessibleInterface* ClueCards(const QString& key, QObject* object)
{
    if (key != QLatin1String("QLabel") || !object->property("clue").toBool()) return nullptr;
    return new ClueCard(static_cast<QLabel*>(object));
}

QAccessibleInterface* MenuBarItems(const QString& key, QObject* object)
{
    if (key != QLatin1String("QAction")) return nullptr;
    auto* action = qobject_cast<QAction*>(object);
    if (!action || action->isSeparator() || action->menu()) return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(owner)) return new MenuBarItem(action, bar);
    return nullptr;
}

}  // namespace

void InstallAccessibleNames()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(MenuBarItems);
    QAccessible::installFactory(ClueCards);
}
