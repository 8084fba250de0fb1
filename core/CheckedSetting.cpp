#include "core/CheckedSetting.h"

#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The whole number a stored value holds: a number, or a text of digits (as a
// settings file holds every value); nothing for anything else, a fraction or
// a flag among it.
std::optional<qlonglong> wholeNumber(const QVariant &value)
{
    bool ok = false;
    qlonglong number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        number = value.toLongLong(&ok);
        break;
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong unsignedNumber = value.toULongLong(&ok);
        ok = ok && unsignedNumber <= qulonglong(std::numeric_limits<qlonglong>::max());
        number = qlonglong(unsignedNumber);
        break;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray:
        number = value.toString().toLongLong(&ok, 10);
        break;
    default:
        break;
    }
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace

bool CheckedSetting::flag(const QSettings &settings, const QString &key, bool fallback)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
        const QString text = value.toString();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return fallback;
}

int CheckedSetting::number(const QSettings &settings, const QString &key, int fallback, int lowest, int highest)
{
    const std::optional<qlonglong> value = wholeNumber(settings.value(key));
    if (!value || *value < lowest || *value > highest)
        return fallback;
    return int(*value);
}

int CheckedSetting::oneOf(
    const QSettings &settings, const QString &key, int fallback, std::initializer_list<int> allowed)
{
    const std::optional<qlonglong> value = wholeNumber(settings.value(key));
    if (!value || std::find(allowed.begin(), allowed.end(), *value) == allowed.end())
        return fallback;
    return int(*value);
}

QString CheckedSetting::choice(
    const QSettings &settings, const QString &key, const QString &fallback, const QStringList &choices)
{
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray)
        return fallback;
    const QString text = value.toString();
    return choices.contains(text) ? text : fallback;
}
