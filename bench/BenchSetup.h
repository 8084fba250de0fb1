#pragma once

#include <QDir>
#include <QSettings>
#include <QString>

#include <algorithm>
#include <vector>

#include "core/Edition.h"
#include "core/Settings.h"
#include "desktop/MessageBox.h"

// What every benchmark sets up before it measures: a settings store of its
// own (the user's settings stay untouched), the home-contents edition, and
// no message box that waits.
namespace BenchSetup {

// Points the settings of both formats and scopes at folder's "settings".
inline void useOwnSettings(const QString &folder)
{
    const QString settingsFolder = QDir(folder).filePath(QStringLiteral("settings"));
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, settingsFolder);
        QSettings::setPath(format, QSettings::SystemScope, settingsFolder);
    }
    setEdition(OstranaEdition);
    Settings::applyIdentity();
}

// useOwnSettings, with folder as the database folder and message boxes
// recorded rather than shown.
inline void prepareRun(const QString &folder)
{
    useOwnSettings(folder);
    Settings().setValue(QStringLiteral("LastDBDir"), folder);
    MessageBox::setRecording(true);
}

// The middle value (the upper one of an even count); 0 for none.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace BenchSetup
