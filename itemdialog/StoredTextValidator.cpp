#include "itemdialog/StoredTextValidator.h"

#include "database/StoredText.h"

StoredTextValidator::StoredTextValidator(QObject *parent)
    : QValidator(parent)
{ }

QValidator::State StoredTextValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    if (StoredText::isEnterable(input)) {
        m_refused.clear();
        return Acceptable;
    }
    m_refused = input;
    return Invalid;
}

QString StoredTextValidator::takeRefused()
{
    QString refused;
    refused.swap(m_refused);
    return refused;
}
