#include "desktop/ProcessRunner.h"

#include <QProcess>

ProcessRunner::Seam &ProcessRunner::seam()
{
    static Seam recorder;
    return recorder;
}

ProcessRunner::Result ProcessRunner::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    seam().refuseUnlessRecording(
        [&] { return QStringLiteral("program run: \"%1\" %2").arg(program, arguments.join(QLatin1Char(' '))); });
    if (seam().isRecording()) {
        seam().record(Request { program, arguments });
        Result clean;
        clean.started = true;
        clean.finished = true;
        clean.exitCode = 0;
        return seam().takeAnswerOr(clean);
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
    seam().setRecording(on);
}

bool ProcessRunner::isRecording()
{
    return seam().isRecording();
}

const QList<ProcessRunner::Request> &ProcessRunner::requests()
{
    return seam().requests();
}

void ProcessRunner::clearRequests()
{
    seam().clearRequests();
}

void ProcessRunner::queueResult(const Result &result)
{
    seam().queue(result);
}

void ProcessRunner::setStrict(bool on)
{
    seam().setStrict(on);
}

bool ProcessRunner::isStrict()
{
    return seam().isStrict();
}
