#include "desktop/FileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The folder a dialog started in, as an absolute path: the start folder
// itself, or the folder of a proposed file.
QString absoluteStartFolder(const QString &start)
{
    if (start.isEmpty())
        return QDir::currentPath();
    const QFileInfo info(start);
    return QDir::cleanPath(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

QString currentFilterOf(const FileDialog::Request &request)
{
    if (!request.selectedFilter.isEmpty())
        return request.selectedFilter;
    return request.filters.value(0);
}

FileDialog::Answer recordedAnswer(FileDialog::Seam &recorder, const FileDialog::Request &request)
{
    recorder.record(request);

    FileDialog::Answer answer;
    answer.selectedFilter = currentFilterOf(request);
    answer.folder = absoluteStartFolder(request.folder);
    const bool asksOverwrite = request.mode == FileDialog::AnyFile && request.confirmOverwrite;
    // With nothing (more) queued the dialog counts as cancelled.
    while (const std::optional<FileDialog::QueuedAnswer> queued = recorder.takeAnswer()) {
        if (queued->cancelled || queued->path.isEmpty())
            return answer;
        const QString path = FileDialog::withDefaultSuffix(request, queued->path);
        if (asksOverwrite && QFileInfo::exists(path)) {
            recorder.extra().append(path);
            // Refused, the dialog stays open for another choice.
            if (!queued->replaceExisting)
                continue;
        }
        answer.path = path;
        if (!queued->folder.isEmpty())
            answer.folder = queued->folder;
        return answer;
    }
    return answer;
}

} // namespace

FileDialog::Seam &FileDialog::seam()
{
    static Seam recorder;
    return recorder;
}

FileDialog::Answer FileDialog::ask(QWidget *parent, const Request &request)
{
    seam().refuseUnlessRecording([&request] {
        return QStringLiteral("file dialog: title \"%1\", start folder \"%2\"").arg(request.title, request.folder);
    });
    if (seam().isRecording())
        return recordedAnswer(seam(), request);

    QFileDialog dialog(parent, request.title, request.folder);
    if (!request.objectName.isEmpty())
        dialog.setObjectName(request.objectName);
    switch (request.mode) {
    case ExistingFile:
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        break;
    case AnyFile:
        // A name may be typed. Save dialogs ask before an existing file is
        // replaced, so that a typo cannot overwrite another database.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        // The dialog adds the suffix before it asks about an existing file.
        dialog.setDefaultSuffix(request.defaultSuffix);
        break;
    case Directory:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        break;
    }
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        dialog.selectNameFilter(currentFilterOf(request));
    }
    dialog.setViewMode(request.detailView ? QFileDialog::Detail : QFileDialog::List);

    Answer answer;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    answer.folder = dialog.directory().absolutePath();
    answer.selectedFilter = dialog.selectedNameFilter();
    if (accepted)
        answer.path = withDefaultSuffix(request, dialog.selectedFiles().value(0));
    return answer;
}

QString FileDialog::withDefaultSuffix(const Request &request, const QString &path)
{
    if (request.mode != AnyFile || request.defaultSuffix.isEmpty() || path.isEmpty())
        return path;
    const QFileInfo info(path);
    if (info.isDir() || !info.suffix().isEmpty())
        return path;
    // "copy." has no extension either: the dot is not doubled.
    return path.endsWith(QLatin1Char('.')) ? path + request.defaultSuffix
                                           : path + QLatin1Char('.') + request.defaultSuffix;
}

namespace {

QString askForFile(FileDialog::Mode mode, QWidget *parent, const QString &title, const QString &folder,
    const QStringList &filters, QString *dialogFolder)
{
    FileDialog::Request request;
    request.mode = mode;
    request.title = title;
    request.folder = folder;
    request.filters = filters;
    const FileDialog::Answer answer = FileDialog::ask(parent, request);
    if (dialogFolder && answer.accepted())
        *dialogFolder = answer.folder;
    return answer.path;
}

} // namespace

QString FileDialog::getOpenFileName(
    QWidget *parent, const QString &title, const QString &folder, const QStringList &filters, QString *dialogFolder)
{
    return askForFile(ExistingFile, parent, title, folder, filters, dialogFolder);
}

QString FileDialog::getSaveFileName(
    QWidget *parent, const QString &title, const QString &folder, const QStringList &filters, QString *dialogFolder)
{
    return askForFile(AnyFile, parent, title, folder, filters, dialogFolder);
}

QString FileDialog::getExistingDirectory(QWidget *parent, const QString &title, const QString &folder)
{
    Request request;
    request.mode = Directory;
    request.title = title;
    request.folder = folder;
    return ask(parent, request).path;
}

QString FileDialog::allFilesFilter()
{
    return QCoreApplication::translate("QFileDialog", "All Files (*)");
}

void FileDialog::setRecording(bool on)
{
    seam().setRecording(on);
}

void FileDialog::setStrict(bool on)
{
    seam().setStrict(on);
}

bool FileDialog::isStrict()
{
    return seam().isStrict();
}

bool FileDialog::isRecording()
{
    return seam().isRecording();
}

const QList<FileDialog::Request> &FileDialog::asked()
{
    return seam().requests();
}

void FileDialog::queueAnswer(const QString &path, const QString &folder)
{
    seam().queue(QueuedAnswer { path.isEmpty(), path, folder, true });
}

void FileDialog::queueOverwriteRefused(const QString &path)
{
    seam().queue(QueuedAnswer { path.isEmpty(), path, QString(), false });
}

const QStringList &FileDialog::overwriteQuestions()
{
    return seam().extra();
}

void FileDialog::queueCancel()
{
    seam().queue(QueuedAnswer());
}

int FileDialog::queuedAnswers()
{
    return seam().queued();
}
