#include "ui/ControlRecord.h"

ResizeFlags ResizeFlags::FromTag(const QString& tag)
{
    const QString t = tag.toUpper();
    if (!t.startsWith(u'@')) return {};
    return {t.contains(u'L'), t.contains(u'T'), t.contains(u'W'), t.contains(u'H')};
}
