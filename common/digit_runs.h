#pragma once
// Grade and class numbers are taken from the digits in class and grade names
// ("高中2年级12班" holds the runs 2 and 12). Only ASCII digits count.
#include <QChar>
#include <QString>
#include <QStringList>

namespace sa {

// Whether a run of digits that ends the text counts. The class-number rule
// takes only runs closed by a following non-digit ("3班" gives 3, "3" gives
// nothing); Keep takes every run.
enum class TrailingRun { Keep, Drop };

// The maximal runs of '0'..'9' in order.
QStringList digitRuns(const QString& text, TrailingRun trailing = TrailingRun::Keep);

// The runs joined into one text ("初中2年级" gives "2"; no digits gives "").
QString joinedDigitRuns(const QString& text, TrailingRun trailing = TrailingRun::Keep);

// The first ASCII digit of the text, or a null QChar when there is none.
QChar firstDigit(const QString& text);

}  // namespace sa
