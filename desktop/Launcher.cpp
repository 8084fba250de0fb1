#include "desktop/Launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

Launcher::Seam &Launcher::seam()
{
    static Seam recorder;
    return recorder;
}

bool Launcher::startDetached(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    seam().refuseUnlessRecording(
        [&] { return QStringLiteral("program start: \"%1\" %2").arg(program, arguments.join(QLatin1Char(' '))); });
    if (seam().isRecording()) {
        Request request;
        request.kind = Request::StartProgram;
        request.program = program;
        request.arguments = arguments;
        request.workingDirectory = workingDirectory;
        seam().record(request);
        // Nothing queued: the program started.
        return seam().takeAnswerOr(true);
    }
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments, workingDirectory);
}

bool Launcher::openUrl(const QUrl &url)
{
    seam().refuseUnlessRecording([&url] { return QStringLiteral("opening of \"%1\"").arg(url.toString()); });
    if (seam().isRecording()) {
        Request request;
        request.kind = Request::OpenUrl;
        request.url = url;
        seam().record(request);
        return seam().takeAnswerOr(true);
    }
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
    seam().setRecording(on);
}

void Launcher::setStrict(bool on)
{
    seam().setStrict(on);
}

bool Launcher::isStrict()
{
    return seam().isStrict();
}

bool Launcher::isRecording()
{
    return seam().isRecording();
}

const QList<Launcher::Request> &Launcher::requests()
{
    return seam().requests();
}

void Launcher::clearRequests()
{
    seam().clearRequests();
}

void Launcher::queueResult(bool succeeded)
{
    seam().queue(succeeded);
}
