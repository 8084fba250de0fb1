#pragma once

#include <variant>

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "desktop/Recorder.h"

class QWidget;

// Every message box of the program goes through this class. In normal runs it
// shows a modal QMessageBox. Tests switch it to recording: nothing is shown,
// each box is recorded (kind, title, text, buttons) and answered with the next
// queued answer, or with its default button when none is queued.
class MessageBox
{
public:
    enum Kind { NoIcon, Information, Warning, Critical, Question };

    struct Shown
    {
        Kind kind = NoIcon;
        QString title;
        QString text;
        // Button texts as shown; standard buttons by their English names
        // ("Ok", "Yes", "No", "Cancel", "Save", "Discard", ...).
        QStringList buttons;
    };

    // A box with standard buttons; returns the button chosen (the escape
    // button, or NoButton, when the box was closed without a choice).
    static QMessageBox::StandardButton show(Kind kind, QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    static QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A box with buttons of the caller's texts; returns the 0-based index of
    // the chosen button, or escapeIndex when the box was closed without a choice.
    static int showCustom(Kind kind, QWidget *parent, const QString &title, const QString &text,
        const QStringList &buttonTexts, int defaultIndex = 0, int escapeIndex = -1);

    // Test seam.
    static void setRecording(bool on);
    static bool isRecording();
    static const QList<Shown> &shown();
    // Queues the answer to the next box: a QMessageBox::StandardButton for
    // show(), a button index (int) or button text (QString) for showCustom().
    // A standard box also takes a button's English name as text ("Yes").
    static void queueAnswer(QMessageBox::StandardButton button);
    static void queueAnswerIndex(int index);
    static void queueAnswerText(const QString &buttonText);

    // In strict mode a box that would be shown while not recording ends the
    // process at once (qFatal, naming the box's title and text) instead of
    // waiting for a user; the test programs run strict.
    static void setStrict(bool on);
    static bool isStrict();

    static QString standardButtonName(QMessageBox::StandardButton button);

    // A queued answer, as the queueAnswer functions take it.
    using Answer = std::variant<QMessageBox::StandardButton, int, QString>;
    using Seam = Recorder<Shown, Answer>;

    // Records every box for the object's lifetime (for tests).
    class Recording : public Seam::Recording
    {
    public:
        Recording()
            : Seam::Recording(seam())
        { }
        const QList<Shown> &shown() const { return requests(); }
    };

private:
    static Seam &seam();
};
