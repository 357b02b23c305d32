#pragma once
// The hint's bubble: a card beside the picture a hint crossed out, quoting the sentence(s) of the
// clue that rule it out. It stands in the lower part of the clue's card, below its text and under
// the picture's column as far as the card reaches, so it covers no car, no arrow on the ground
// and no picture still to be judged. It is no control of the window's design.

#include <QString>

class QLabel;
class QRect;
class QWidget;

class HintBubble {
public:
    explicit HintBubble(QWidget* canvas);

    // Shows the text under `column` within the clue's card `card` (canvas coordinates).
    void Show(const QString& text, const QWidget* column, const QRect& card);
    void Hide();
    // The text while the bubble is shown, else "".
    QString Text() const;

    // The bubble's text for the quoted sentences, in the current language: a language that has
    // its own way (key 0218) gets them without the last full stop, to put its punctuation where
    // its quotes want it; a file of old frames them whole (key 0214), or they stand bare.
    static QString Quoted(const QString& sentences);

private:
    QLabel* label_;
};
