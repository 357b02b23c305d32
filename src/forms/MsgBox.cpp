#include "forms/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
std::function<MsgResult(const MsgBoxRequest&)>& Handler()
{
    static std::function<MsgResult(const MsgBoxRequest&)> handler;
    return handler;
}
}  // namespace

void SetMsgBoxHandler(std::function<MsgResult(const MsgBoxRequest&)> handler) { Handler() = std::move(handler); }

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    if (Handler()) return Handler()({text, buttons, icon, title});
    QMessageBox box(icon == MsgIcon::Critical   ? QMessageBox::Critical
                    : icon == MsgIcon::Question ? QMessageBox::Question
                                                : QMessageBox::NoIcon,
                    title, text, QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}
