#include "desktop/Launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct Recorder
{
    bool recording = false;
    bool strict = false;
    QList<Launcher::Request> requests;
    QList<bool> results;
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

bool recordedResult(const Launcher::Request &request)
{
    Recorder &r = recorder();
    r.requests.append(request);
    return r.results.isEmpty() ? true : r.results.takeFirst();
}

} // namespace

bool Launcher::startDetached(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    if (recorder().recording) {
        Request request;
        request.kind = Request::StartProgram;
        request.program = program;
        request.arguments = arguments;
        request.workingDirectory = workingDirectory;
        return recordedResult(request);
    }
    if (recorder().strict) {
        qFatal("Unexpected program start: \"%s\" %s", qUtf8Printable(program),
            qUtf8Printable(arguments.join(QLatin1Char(' '))));
    }
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments, workingDirectory);
}

bool Launcher::openUrl(const QUrl &url)
{
    if (recorder().recording) {
        Request request;
        request.kind = Request::OpenUrl;
        request.url = url;
        return recordedResult(request);
    }
    if (recorder().strict)
        qFatal("Unexpected opening of \"%s\"", qUtf8Printable(url.toString()));
    if (url.isEmpty() || !url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool Launcher::openTarget(const QString &target)
{
    return openUrl(urlForTarget(target));
}

QUrl Launcher::urlForTarget(const QString &target)
{
    if (target.isEmpty())
        return QUrl();
    const QFileInfo info(target);
    if (info.exists())
        return QUrl::fromLocalFile(info.absoluteFilePath());

    // Two letters at least, so that a Windows drive ("C:") stays a path.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch()) {
        const QUrl url(target, QUrl::TolerantMode);
        if (url.isValid())
            return url;
    }
    if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        const QUrl url(QStringLiteral("http://") + target, QUrl::TolerantMode);
        if (url.isValid())
            return url;
    }
    return QUrl::fromLocalFile(info.absoluteFilePath());
}

void Launcher::setRecording(bool on)
{
    Recorder &r = recorder();
    r.recording = on;
    r.requests.clear();
    r.results.clear();
}

void Launcher::setStrict(bool on)
{
    recorder().strict = on;
}

bool Launcher::isStrict()
{
    return recorder().strict;
}

bool Launcher::isRecording()
{
    return recorder().recording;
}

const QList<Launcher::Request> &Launcher::requests()
{
    return recorder().requests;
}

void Launcher::clearRequests()
{
    recorder().requests.clear();
}

void Launcher::queueResult(bool succeeded)
{
    recorder().results.append(succeeded);
}
