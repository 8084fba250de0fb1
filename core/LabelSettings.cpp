#include "core/LabelSettings.h"

#include "core/CheckedSetting.h"
#include "core/Settings.h"

bool LabelSettings::namesOnItemLabels()
{
    return CheckedSetting::flag(Settings(), QStringLiteral("EnableNameOnLabels"), false);
}

int LabelSettings::itemNameLength()
{
    return CheckedSetting::number(
        Settings(), QStringLiteral("BarcodeItemNameLabelLength"), defaultNameLength, 1, maxNameLength);
}

bool LabelSettings::namesOnLocationLabels()
{
    return CheckedSetting::flag(Settings(), QStringLiteral("EnableLocationNameOnLabels"), false);
}

int LabelSettings::locationNameLength()
{
    return CheckedSetting::number(
        Settings(), QStringLiteral("BarcodeLocationNameLabeLength"), defaultNameLength, 1, maxNameLength);
}
