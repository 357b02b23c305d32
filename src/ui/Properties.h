#pragma once
// Control properties by name, for the code that walks a form's controls without knowing their
// kinds (the translation, the resizer). A getter gives nothing and a setter gives false when the
// control lacks the property, so the caller can skip that one statement and go on.
//
//  Caption      window title, label and button text, menu title, menu action text
//  ToolTipText  any widget but a menu
//  Tag          any control (a free text)
//  Index        the element number of a control array; nothing for a control not in an array
//  Left, Top, Width, Height  in twips, for widgets placed on a form's canvas

#include <QString>

#include <optional>

class QObject;

enum class TextProperty { Caption, ToolTipText, Tag };
enum class Coordinate { Left, Top, Width, Height };

std::optional<QString> GetText(const QObject* control, TextProperty property);
bool SetText(QObject* control, TextProperty property, const QString& value);

std::optional<int> GetIndex(const QObject* control);

std::optional<double> GetCoordinate(const QObject* control, Coordinate coordinate);
bool SetCoordinate(QObject* control, Coordinate coordinate, double twips);

// Tabs of a tabbed control: the count, and the caption of tab i (false for an index it rejects).
std::optional<int> GetTabCount(const QObject* control);
bool SetTabCaption(QObject* control, int tab, const QString& caption);

// Shorthands for code that knows its controls.
QString Caption(const QObject* control);
void SetCaption(QObject* control, const QString& value);
QString Tag(const QObject* control);
void SetTag(QObject* control, const QString& value);
double Left(const QObject* control);
