#include "mainwindow/ListColumnWidths.h"

#include "core/ColumnTitles.h"
#include "core/Settings.h"

#include <QHeaderView>
#include <QTreeView>

#include <algorithm>
#include <array>

namespace {

struct ColumnSetting
{
    const char *key;
    int defaultWidth;
};

// Settings key (group "ListView") and default width of each column.
constexpr std::array<ColumnSetting, ListColumnCount> columnSettings { {
    { "GROUPCOLUMNwidth", 120 },
    { "NAMECOLUMNwidth", 120 },
    { "MODELCOLUMNwidth", 65 },
    { "PRODUCTTYPECOLUMNwidth", 120 },
    { "COUNTCOLUMNwidth", 36 },
    { "PRICECOLUMNwidth", 65 },
    { "PRICETODAYCOLUMNwidth", 70 },
    { "PICTURECOLUMNwidth", 50 },
    { "RECEIPTCOLUMNwidth", 50 },
    { "DATECOLUMNwidth", 66 },
    { "LOCATIONCOLUMNwidth", 120 },
    { "DESCRIPTIONCOLUMNwidth", 120 },
    { "SUPPLIERCOLUMNwidth", 120 },
    { "ADDRESSCOLUMNwidth", 120 },
    { "SERIALNOCOLUMNwidth", 120 },
    { "WWWCOLUMNwidth", 120 },
    { "DOCUMENTCOLUMNwidth", 50 },
} };

// The order in which save() writes the widths.
constexpr std::array<int, ListColumnCount> widthSaveOrder { 0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 8, 16, 3 };

} // namespace

std::vector<bool> ListColumnWidths::restore(QTreeView &view, int minimumDateWidth)
{
    Settings settings;
    std::vector<bool> usesDefault(ListColumnCount, false);
    for (int column = 0; column < ListColumnCount; ++column) {
        const ColumnSetting &setting = columnSettings[column];
        // The date's fixed default is too narrow for a whole date in most
        // fonts; the default always shows one.
        const int defaultWidth = column == ListColumns::DateColumn ? std::max(setting.defaultWidth, minimumDateWidth)
                                                                   : setting.defaultWidth;
        const QString key = QStringLiteral("ListView/") + QLatin1String(setting.key);
        const int width = settings.value(key, defaultWidth).toInt();
        // Every close stores every width, so a stored default is most
        // likely one nobody chose.
        usesDefault[column] = width == defaultWidth;
        view.setColumnWidth(column, width);
    }
    return usesDefault;
}

void ListColumnWidths::fitTitle(QTreeView &view, int column)
{
    const QHeaderView *header = view.header();
    if (column < 0 || column >= ListColumnCount || column >= header->count())
        return;
    // The size the style gives the heading's text, margins and sort indicator.
    const int needed = header->sectionSizeHint(column);
    if (needed > view.columnWidth(column))
        view.setColumnWidth(column, needed);
}

void ListColumnWidths::save(const QTreeView &view)
{
    Settings settings;
    settings.beginGroup(QStringLiteral("ListView"));
    settings.setValue(QStringLiteral("Colums"), view.model()->columnCount());
    settings.setValue(QStringLiteral("childCount"), view.model()->rowCount());
    for (int column : widthSaveOrder)
        settings.setValue(QLatin1String(columnSettings[column].key), view.columnWidth(column));
    settings.endGroup();
}
