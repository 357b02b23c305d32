#include "game/HintBubble.h"

#include "text/TextLookup.h"
#include "ui/Design.h"

#include <QLabel>
#include <QPalette>

HintBubble::HintBubble(QWidget* canvas) : label_(new QLabel(canvas))
{
    label_->setObjectName(QStringLiteral("Suggerimento"));
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setMargin(8);
    label_->setFrameShape(QFrame::Box);
    label_->setAutoFillBackground(true);
    QPalette note = label_->palette();
    note.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xC8));
    note.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(note);
    label_->setFont(DesignFont(QStringLiteral("Verdana"), 11, false));
    label_->hide();
}

void HintBubble::Show(const QString& text, const QWidget* column, const QRect& card)
{
    QWidget* canvas = label_->parentWidget();
    label_->setText(text);
    label_->setFixedWidth(qBound(120, canvas->width() / 3, qMax(120, card.width() - 16)));
    label_->adjustSize();
    const int x = column->mapTo(canvas, QPoint(column->width() / 2, 0)).x() - label_->width() / 2;
    label_->move(qBound(card.left() + 8, x, qMax(card.left() + 8, card.right() - 8 - label_->width())),
                 qMax(card.top(), card.bottom() - 8 - label_->height()));
    label_->show();
    label_->raise();
    label_->setAccessibleName(text);
}

void HintBubble::Hide() { label_->hide(); }

QString HintBubble::Text() const { return label_->isVisibleTo(label_->window()) ? label_->text() : QString(); }

QString HintBubble::Quoted(const QString& sentences)
{
    const QString own = MLSGetString(QStringLiteral("0218"));
    if (own.contains(QLatin1String("%1"))) {
        QString bare = sentences.trimmed();
        if (bare.endsWith(u'.')) bare.chop(1);
        return QString(own).arg(bare);
    }
    const QString frame = MLSGetString(QStringLiteral("0214"));
    return frame.contains(QLatin1String("%1")) ? QString(frame).arg(sentences) : sentences;
}
