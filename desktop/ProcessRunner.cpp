#include "desktop/ProcessRunner.h"

#include <QProcess>

namespace {

struct Recorder
{
    bool recording = false;
    bool strict = false;
    QList<ProcessRunner::Request> requests;
    QList<ProcessRunner::Result> results;
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

} // namespace

ProcessRunner::Result ProcessRunner::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    Recorder &r = recorder();
    if (r.recording) {
        r.requests.append(Request { program, arguments });
        if (!r.results.isEmpty())
            return r.results.takeFirst();
        Result clean;
        clean.started = true;
        clean.finished = true;
        clean.exitCode = 0;
        return clean;
    }
    if (r.strict) {
        qFatal("Unexpected program run: \"%s\" %s", qUtf8Printable(program),
            qUtf8Printable(arguments.join(QLatin1Char(' '))));
    }

    Result result;
    if (program.isEmpty())
        return result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        result.errorOutput = process.errorString();
        return result;
    }
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        result.errorOutput = process.errorString();
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.errorOutput = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (!result.finished && result.errorOutput.isEmpty())
        result.errorOutput = process.errorString();
    return result;
}

void ProcessRunner::setRecording(bool on)
{
    Recorder &r = recorder();
    r.recording = on;
    r.requests.clear();
    r.results.clear();
}

bool ProcessRunner::isRecording()
{
    return recorder().recording;
}

const QList<ProcessRunner::Request> &ProcessRunner::requests()
{
    return recorder().requests;
}

void ProcessRunner::clearRequests()
{
    recorder().requests.clear();
}

void ProcessRunner::queueResult(const Result &result)
{
    recorder().results.append(result);
}

void ProcessRunner::setStrict(bool on)
{
    recorder().strict = on;
}

bool ProcessRunner::isStrict()
{
    return recorder().strict;
}
