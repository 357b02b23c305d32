#include "ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* AnnouncerAccount(const QString& key, QObject* object)
{
    if (key != QLatin1String("Announcer")) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerAccount);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Annuncio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void Announcer::Announce(const QString& text)
{
    setAccessibleName(QString());  // the same text again is news again
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
