#pragma once
// Modal message boxes. Tests put a handler in place that answers instead of a person.

#include <QString>

#include <functional>

enum class MsgButtons { Ok, YesNo };          // Yes/No boxes have Yes as the default button
enum class MsgIcon { None, Critical, Question };
enum class MsgResult { Ok, Yes, No };

struct MsgBoxRequest {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
};

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title);

// Replaces the box; an empty handler restores it.
void SetMsgBoxHandler(std::function<MsgResult(const MsgBoxRequest&)> handler);
