#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
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

// The process's peak resident memory in MB (VmHWM), 0 where unknown.
inline double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    // procfs files report no size: read them whole rather than test atEnd().
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:")) {
            const QByteArray kb = line.mid(6).trimmed().split(' ').value(0);
            return kb.toDouble() / 1024.0;
        }
    }
    return 0.0;
}

// Starts the peak of peakResidentMb() again from the memory in use now
// (Linux); false where it cannot.
inline bool resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace BenchSetup
