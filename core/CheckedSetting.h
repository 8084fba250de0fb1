#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QSettings;

// Reading a stored setting that the program wrote itself, with a check: a
// value of another type or outside its range (written by hand, by an older
// program, or damaged) gives the default instead, so that what is read
// always makes sense and what is written back with it is sound again.
namespace CheckedSetting {

// "true" or "false" (as the store writes a flag); anything else, "0" and "1"
// among it, is no flag.
bool flag(const QSettings &settings, const QString &key, bool fallback);
// A whole number from lowest to highest, stored as a number or as its digits.
int number(const QSettings &settings, const QString &key, int fallback, int lowest, int highest);
// A whole number that is one of the allowed ones.
int oneOf(const QSettings &settings, const QString &key, int fallback, std::initializer_list<int> allowed);
// One of the given texts, exactly.
QString choice(const QSettings &settings, const QString &key, const QString &fallback, const QStringList &choices);

} // namespace CheckedSetting
