#include "ui/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace {
std::function<MsgResult(const MsgBoxRequest&)>& Handler()
{
    static std::function<MsgResult(const MsgBoxRequest&)> handler;
    return handler;
}
}  // namespace

void SetMsgBoxHandler(std::function<MsgResult(const MsgBoxRequest&)> handler) { Handler() = std::move(handler); }

MsgResult MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    if (Handler()) return Handler()({owner, text, buttons, icon, title});
    // Not the active window alone: under Wayland a window has none while it lacks the keyboard
    // (after a drag, say), and a box without a parent may open anywhere and go behind it.
    QWidget* parent = owner && owner->isVisible() ? owner->window() : QApplication::activeWindow();
    // Not on the stack: the box's parent may go while the box waits for its answer (in its own
    // event loop), and takes the box with it. A box gone so is a box answered "No".
    QPointer<QMessageBox> box = new QMessageBox(icon == MsgIcon::Critical   ? QMessageBox::Critical
                                                : icon == MsgIcon::Question ? QMessageBox::Question
                                                                            : QMessageBox::NoIcon,
                                                title, text, QMessageBox::NoButton, parent);
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box->exec();
    delete box.data();
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}
