#include "desktop/MessageBox.h"

#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(MessageBox::Kind kind)
{
    switch (kind) {
    case MessageBox::Information:
        return QMessageBox::Information;
    case MessageBox::Warning:
        return QMessageBox::Warning;
    case MessageBox::Critical:
        return QMessageBox::Critical;
    case MessageBox::Question:
        return QMessageBox::Question;
    case MessageBox::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

const QList<QMessageBox::StandardButton> &allStandardButtons()
{
    static const QList<QMessageBox::StandardButton> all = {
        QMessageBox::Ok,
        QMessageBox::Save,
        QMessageBox::SaveAll,
        QMessageBox::Open,
        QMessageBox::Yes,
        QMessageBox::YesToAll,
        QMessageBox::No,
        QMessageBox::NoToAll,
        QMessageBox::Abort,
        QMessageBox::Retry,
        QMessageBox::Ignore,
        QMessageBox::Close,
        QMessageBox::Cancel,
        QMessageBox::Discard,
        QMessageBox::Help,
        QMessageBox::Apply,
        QMessageBox::Reset,
        QMessageBox::RestoreDefaults,
    };
    return all;
}

auto describeBox(const QString &title, const QString &text)
{
    return [&title, &text] { return QStringLiteral("message box: \"%1\": \"%2\"").arg(title, text); };
}

// A box with standard buttons takes an index as the button's value and a text
// as a button's English name ("Yes").
QMessageBox::StandardButton asStandardButton(
    const MessageBox::Answer &answer, const QList<QMessageBox::StandardButton> &offered)
{
    if (const auto *button = std::get_if<QMessageBox::StandardButton>(&answer))
        return *button;
    if (const auto *index = std::get_if<int>(&answer))
        return static_cast<QMessageBox::StandardButton>(*index);
    for (QMessageBox::StandardButton button : offered) {
        if (MessageBox::standardButtonName(button) == std::get<QString>(answer))
            return button;
    }
    return QMessageBox::NoButton;
}

// A box with the caller's buttons takes a standard button as its value.
int asButtonIndex(const MessageBox::Answer &answer, const QStringList &buttonTexts)
{
    if (const auto *text = std::get_if<QString>(&answer))
        return int(buttonTexts.indexOf(*text));
    if (const auto *index = std::get_if<int>(&answer))
        return *index;
    return int(std::get<QMessageBox::StandardButton>(answer));
}

} // namespace

MessageBox::Seam &MessageBox::seam()
{
    static Seam recorder;
    return recorder;
}

QString MessageBox::standardButtonName(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return QStringLiteral("Ok");
    case QMessageBox::Save:
        return QStringLiteral("Save");
    case QMessageBox::SaveAll:
        return QStringLiteral("SaveAll");
    case QMessageBox::Open:
        return QStringLiteral("Open");
    case QMessageBox::Yes:
        return QStringLiteral("Yes");
    case QMessageBox::YesToAll:
        return QStringLiteral("YesToAll");
    case QMessageBox::No:
        return QStringLiteral("No");
    case QMessageBox::NoToAll:
        return QStringLiteral("NoToAll");
    case QMessageBox::Abort:
        return QStringLiteral("Abort");
    case QMessageBox::Retry:
        return QStringLiteral("Retry");
    case QMessageBox::Ignore:
        return QStringLiteral("Ignore");
    case QMessageBox::Close:
        return QStringLiteral("Close");
    case QMessageBox::Cancel:
        return QStringLiteral("Cancel");
    case QMessageBox::Discard:
        return QStringLiteral("Discard");
    case QMessageBox::Help:
        return QStringLiteral("Help");
    case QMessageBox::Apply:
        return QStringLiteral("Apply");
    case QMessageBox::Reset:
        return QStringLiteral("Reset");
    case QMessageBox::RestoreDefaults:
        return QStringLiteral("RestoreDefaults");
    default:
        return QString();
    }
}

QMessageBox::StandardButton MessageBox::show(Kind kind, QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    seam().refuseUnlessRecording(describeBox(title, text));
    if (!seam().isRecording()) {
        QMessageBox box(iconOf(kind), title, text, buttons, parent);
        if (defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    Shown record { kind, title, text, {} };
    QList<QMessageBox::StandardButton> offered;
    for (QMessageBox::StandardButton b : allStandardButtons()) {
        if (buttons.testFlag(b)) {
            offered.append(b);
            record.buttons.append(standardButtonName(b));
        }
    }
    seam().record(record);

    if (const std::optional<Answer> answer = seam().takeAnswer())
        return asStandardButton(*answer, offered);
    if (defaultButton != QMessageBox::NoButton)
        return defaultButton;
    return offered.isEmpty() ? QMessageBox::NoButton : offered.first();
}

QMessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(Critical, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::warning(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(Question, parent, title, text, buttons, defaultButton);
}

int MessageBox::showCustom(Kind kind, QWidget *parent, const QString &title, const QString &text,
    const QStringList &buttonTexts, int defaultIndex, int escapeIndex)
{
    seam().refuseUnlessRecording(describeBox(title, text));
    if (!seam().isRecording()) {
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

    seam().record(Shown { kind, title, text, buttonTexts });
    if (const std::optional<Answer> answer = seam().takeAnswer())
        return asButtonIndex(*answer, buttonTexts);
    return defaultIndex;
}

void MessageBox::setRecording(bool on)
{
    seam().setRecording(on);
}

void MessageBox::setStrict(bool on)
{
    seam().setStrict(on);
}

bool MessageBox::isStrict()
{
    return seam().isStrict();
}

bool MessageBox::isRecording()
{
    return seam().isRecording();
}

const QList<MessageBox::Shown> &MessageBox::shown()
{
    return seam().requests();
}

void MessageBox::queueAnswer(QMessageBox::StandardButton button)
{
    seam().queue(button);
}

void MessageBox::queueAnswerIndex(int index)
{
    seam().queue(index);
}

void MessageBox::queueAnswerText(const QString &buttonText)
{
    seam().queue(buttonText);
}
