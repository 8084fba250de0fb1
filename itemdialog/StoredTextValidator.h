#pragma once

#include <QString>
#include <QValidator>

// The typing limit of every text field whose text goes into the database
// file: whatever StoredText refuses a field (";", line breaks, control
// characters, characters Latin-1 cannot hold, more than StoredText::maxBytes
// bytes) cannot be typed, pasted or dropped.
//
// A line edit undoes a refused change without saying why. The validator keeps
// the text it refused last, so that the dialog, told by the field's
// inputRejected signal, can name the characters the file cannot hold.
class StoredTextValidator : public QValidator
{
    Q_OBJECT
public:
    explicit StoredTextValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // The text refused by the latest validation, once; empty when that
    // validation accepted its text or the refusal was taken already.
    QString takeRefused();

private:
    mutable QString m_refused;
};
