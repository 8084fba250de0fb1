#include "desktop/MessageBox.h"

#include <QPushButton>

namespace {

struct Recorder
{
    bool recording = false;
    bool strict = false;
    QList<MessageBox::Shown> shown;
    QList<QVariant> answers;
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

QMessageBox::Icon iconOf(MessageBox::Kind kind)
{
    switch (kind) {
    case MessageBox::Information: return QMessageBox::Information;
    case MessageBox::Warning: return QMessageBox::Warning;
    case MessageBox::Critical: return QMessageBox::Critical;
    case MessageBox::Question: return QMessageBox::Question;
    case MessageBox::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

const QList<QMessageBox::StandardButton> &allStandardButtons()
{
    static const QList<QMessageBox::StandardButton> all = {
        QMessageBox::Ok, QMessageBox::Save, QMessageBox::SaveAll, QMessageBox::Open,
        QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::No, QMessageBox::NoToAll,
        QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore, QMessageBox::Close,
        QMessageBox::Cancel, QMessageBox::Discard, QMessageBox::Help, QMessageBox::Apply,
        QMessageBox::Reset, QMessageBox::RestoreDefaults,
    };
    return all;
}

void failUnlessShowable(const QString &title, const QString &text)
{
    if (recorder().strict)
        qFatal("Unexpected message box: \"%s\": \"%s\"", qUtf8Printable(title), qUtf8Printable(text));
}

QVariant takeAnswer()
{
    Recorder &r = recorder();
    return r.answers.isEmpty() ? QVariant() : r.answers.takeFirst();
}

} // namespace

QString MessageBox::standardButtonName(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return QStringLiteral("Ok");
    case QMessageBox::Save: return QStringLiteral("Save");
    case QMessageBox::SaveAll: return QStringLiteral("SaveAll");
    case QMessageBox::Open: return QStringLiteral("Open");
    case QMessageBox::Yes: return QStringLiteral("Yes");
    case QMessageBox::YesToAll: return QStringLiteral("YesToAll");
    case QMessageBox::No: return QStringLiteral("No");
    case QMessageBox::NoToAll: return QStringLiteral("NoToAll");
    case QMessageBox::Abort: return QStringLiteral("Abort");
    case QMessageBox::Retry: return QStringLiteral("Retry");
    case QMessageBox::Ignore: return QStringLiteral("Ignore");
    case QMessageBox::Close: return QStringLiteral("Close");
    case QMessageBox::Cancel: return QStringLiteral("Cancel");
    case QMessageBox::Discard: return QStringLiteral("Discard");
    case QMessageBox::Help: return QStringLiteral("Help");
    case QMessageBox::Apply: return QStringLiteral("Apply");
    case QMessageBox::Reset: return QStringLiteral("Reset");
    case QMessageBox::RestoreDefaults: return QStringLiteral("RestoreDefaults");
    default: return QString();
    }
}

QMessageBox::StandardButton MessageBox::show(Kind kind, QWidget *parent, const QString &title,
                                             const QString &text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    if (!recorder().recording) {
        failUnlessShowable(title, text);
        QMessageBox box(iconOf(kind), title, text, buttons, parent);
        if (defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    Shown record{kind, title, text, {}};
    QList<QMessageBox::StandardButton> offered;
    for (QMessageBox::StandardButton b : allStandardButtons()) {
        if (buttons.testFlag(b)) {
            offered.append(b);
            record.buttons.append(standardButtonName(b));
        }
    }
    recorder().shown.append(record);

    const QVariant answer = takeAnswer();
    if (answer.isValid())
        return static_cast<QMessageBox::StandardButton>(answer.toInt());
    if (defaultButton != QMessageBox::NoButton)
        return defaultButton;
    return offered.isEmpty() ? QMessageBox::NoButton : offered.first();
}

QMessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(Critical, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::warning(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return show(Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &title, const QString &text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return show(Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(Question, parent, title, text, buttons, defaultButton);
}

int MessageBox::showCustom(Kind kind, QWidget *parent, const QString &title, const QString &text,
                           const QStringList &buttonTexts, int defaultIndex, int escapeIndex)
{
    if (!recorder().recording) {
        failUnlessShowable(title, text);
        QMessageBox box(iconOf(kind), title, text, QMessageBox::NoButton, parent);
        QList<QPushButton *> pushButtons;
        for (const QString &buttonText : buttonTexts)
            pushButtons.append(box.addButton(buttonText, QMessageBox::ActionRole));
        if (defaultIndex >= 0 && defaultIndex < pushButtons.size())
            box.setDefaultButton(pushButtons.at(defaultIndex));
        if (escapeIndex >= 0 && escapeIndex < pushButtons.size())
            box.setEscapeButton(pushButtons.at(escapeIndex));
        box.exec();
        const int chosen = pushButtons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
        return chosen >= 0 ? chosen : escapeIndex;
    }

    recorder().shown.append(Shown{kind, title, text, buttonTexts});
    const QVariant answer = takeAnswer();
    if (answer.typeId() == QMetaType::QString)
        return buttonTexts.indexOf(answer.toString());
    if (answer.isValid())
        return answer.toInt();
    return defaultIndex;
}

void MessageBox::setRecording(bool on)
{
    Recorder &r = recorder();
    r.recording = on;
    r.shown.clear();
    r.answers.clear();
}

void MessageBox::setStrict(bool on)
{
    recorder().strict = on;
}

bool MessageBox::isStrict()
{
    return recorder().strict;
}

bool MessageBox::isRecording()
{
    return recorder().recording;
}

const QList<MessageBox::Shown> &MessageBox::shown()
{
    return recorder().shown;
}

void MessageBox::clearShown()
{
    recorder().shown.clear();
}

void MessageBox::queueAnswer(QMessageBox::StandardButton button)
{
    recorder().answers.append(QVariant(static_cast<int>(button)));
}

void MessageBox::queueAnswerIndex(int index)
{
    recorder().answers.append(QVariant(index));
}

void MessageBox::queueAnswerText(const QString &buttonText)
{
    recorder().answers.append(QVariant(buttonText));
}
