#pragma once
// Dates are stored as text: year "年" month "月" day "日" without leading zeros
// (2010年9月1日). Month folders of backups are named year "_" month (2010_9).
#include <QDate>
#include <QString>

namespace sa {

// "" for an invalid date or a year outside 1..9999 (such a text could not be
// read back).
QString dateText(const QDate& date);

// The date of a text in exactly the stored form; an invalid QDate for anything
// else (leading zeros, spaces, impossible days such as 2011年2月29日).
QDate parseDateText(const QString& text);

// "2010_9"; "" for an invalid date.
QString monthFolderText(const QDate& date);
QString monthFolderText(int year, int month);

}  // namespace sa
