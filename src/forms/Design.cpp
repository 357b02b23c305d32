#include "forms/Design.h"

#include <QFontDatabase>
#include <QPixmap>

namespace {
// Look-alike families for the design ones, where a system lacks them.
QString Available(const QString& family)
{
    static const std::pair<const char*, const char*> kAlikes[] = {
        {"Arial", "Liberation Sans"}, {"Comic Sans MS", "Comic Neue"}, {"Verdana", "DejaVu Sans"}};
    if (QFontDatabase::hasFamily(family)) return family;
    for (const auto& [design, alike] : kAlikes)
        if (family == QLatin1String(design) && QFontDatabase::hasFamily(QLatin1String(alike))) return QLatin1String(alike);
    return family;
}
}  // namespace

QFont DesignFont(const QString& family, double points, bool bold)
{
    QFont f(Available(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QPixmap HandPointerPixmap() { return QPixmap(QStringLiteral(":/pointer.png")); }

QCursor HandPointer()
{
    const QPixmap p = HandPointerPixmap();
    if (p.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(p, 7, 1);  // the finger tip
}
