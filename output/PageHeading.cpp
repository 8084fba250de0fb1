#include "output/PageHeading.h"

#include <QFileInfo>

#include "core/PrintSettings.h"
#include "database/DBItemCollection.h"
#include "output/PrintFieldTitles.h"
#include "output/PrintLayout.h"

PageHeading::PageHeading(const DBItemCollection *collection, const QString &detail)
    : m_name(databaseName(collection))
    , m_detail(detail)
{ }

QString PageHeading::databaseName(const DBItemCollection *collection)
{
    const QString path = collection ? collection->fileName() : QString();
    if (path.isEmpty())
        return tr("Ny database (ikke gemt)");
    return QFileInfo(path).fileName();
}

QString PageHeading::listDetail(const PrintSettingsSnapshot &settings, const DBItemCollection *collection)
{
    using namespace PrintFields;
    const auto only = [&](Field field, int index) {
        return PrintFieldTitles::onlyText(field) + QStringLiteral(": ")
            + PrintFieldTitles::listEntry(collection, index, field == Location);
    };
    QString filter;
    if (settings.printGroupOnly && settings.printLocationOnly)
        filter = tr("%1 eller %2").arg(only(Group, settings.groupToPrint), only(Location, settings.locationToPrint));
    else if (settings.printGroupOnly)
        filter = only(Group, settings.groupToPrint);
    else if (settings.printLocationOnly)
        filter = only(Location, settings.locationToPrint);
    else
        filter = tr("Alle poster");
    const QString sort = PrintFieldTitles::sortText(settings.sortMethod);
    if (sort.isEmpty())
        return filter;
    return tr("%1, sorteret efter %2").arg(filter, sort);
}

QStringList PageHeading::lines(int page, int pages, int chars) const
{
    const QString right = tr("side %1 af %2").arg(page).arg(pages);
    const QString date = m_date.toString(QStringLiteral("dd.MM.yyyy"));
    QString name = m_name;
    const auto left = [&] { return name + QStringLiteral("   ") + date; };
    const int room = chars - int(right.size()) - 3;
    if (left().size() > room) {
        const int keep = room - int(date.size()) - 3 - 3;
        name = keep > 0 ? name.left(keep) + QStringLiteral("...") : QString();
    }
    QString first = left();
    first = first.leftJustified(std::max(int(first.size()) + 3, chars - int(right.size()))) + right;
    QStringList result { first };
    if (!m_detail.isEmpty())
        result += PrintLayout::wrapText(m_detail, chars);
    return result;
}
