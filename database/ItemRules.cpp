#include "database/ItemRules.h"

#include "core/Edition.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"

#include <QCoreApplication>

namespace {

QString nameMissingText()
{
    switch (edition()) {
    case QuorvelEdition:
        return QCoreApplication::translate("ItemDialog", "QuorvelNameMissing");
    case VistrelEdition:
        return QCoreApplication::translate("ItemDialog", "VistrelNameMissing");
    case NumivaxEdition:
        return QCoreApplication::translate("ItemDialog", "NumivaxNameMissing");
    default:
        return QCoreApplication::translate("ItemDialog", "OstranaNameMissing");
    }
}

QString countRangeText(qint64 top)
{
    return QCoreApplication::translate("ItemDialog", "'Antal' skal være i intervalet: 0 -> %1").arg(top);
}

} // namespace

bool ItemRules::requiresPrice()
{
    return isOstrana();
}

bool ItemRules::estimateTakesPrice()
{
    return isOstrana();
}

bool ItemRules::limitsCount()
{
    return isOstrana() || isQuorvel();
}

bool ItemRules::requiresLocation()
{
    return isQuorvel();
}

ItemRules::Result ItemRules::checkCount(QStringView text, int *count)
{
    int value = 0;
    if (limitsCount()) {
        if (StorageCheck::readCount(text, &value) != StorageCheck::CountRead || value < MinCount || value > MaxCount)
            return { CountOutOfRange, message(CountOutOfRange) };
    } else if (!text.trimmed().isEmpty() && StorageCheck::readCount(text, &value) != StorageCheck::CountRead) {
        // Any count the file holds, also one above the typing limit that
        // came from the file.
        return { CountOutOfRange, countRangeText(StorageCheck::maxCount) };
    }
    if (count)
        *count = value;
    return {};
}

ItemRules::Result ItemRules::checkName(QStringView name)
{
    if (name.isEmpty())
        return { NameMissing, message(NameMissing) };
    return {};
}

ItemRules::Result ItemRules::checkText(QStringView text, const QString &title)
{
    // By the file's rule: a control character that an item brought from its
    // database is kept (the exports replace it).
    const QString problem = StorageCheck::textProblem(text, StoredText::FileRule);
    if (problem.isEmpty())
        return {};
    return { TextNotStorable,
        QCoreApplication::translate("ItemDialog", "Feltet \"%1\" kan ikke gemmes i databasen.").arg(title)
            + QLatin1Char('\n') + problem };
}

QString ItemRules::message(Problem problem, const QString &locationTitle)
{
    const QString maxPrice = QString::number(qint64(MaxPrice));
    switch (problem) {
    case PriceOutOfRange:
        return QCoreApplication::translate("ItemDialog", "'Købspris' skal være: 0.0 -> %1").arg(maxPrice);
    case EstimatedPriceOutOfRange:
        return QCoreApplication::translate("ItemDialog", "'Vurderet pris' skal være: 0.0 -> %1").arg(maxPrice);
    case CountOutOfRange:
        return countRangeText(MaxCount);
    case NameMissing:
        return nameMissingText();
    case LocationMissing:
        return QCoreApplication::translate("ItemDialog", "QuorvelItemTypeHasNotBeenSelected") + locationTitle;
    case TextNotStorable:
    case NoProblem:
        break;
    }
    return QString();
}
