#include "labels/LabelSheetLayout.h"

#include "core/Settings.h"

#include <QLocale>

namespace {

// Room for rounding in the sheets' published sizes (tenths of millimetres).
constexpr double Tolerance = 0.05;

LabelSheetLayout layout(const QString &id, QSizeF page, int columns, int rows, QSizeF label, double left, double top,
    double columnGap, double rowGap)
{
    LabelSheetLayout result;
    result.id = id;
    result.pageSize = page;
    result.columns = columns;
    result.rows = rows;
    result.labelSize = label;
    result.leftMargin = left;
    result.topMargin = top;
    result.columnGap = columnGap;
    result.rowGap = rowGap;
    return result;
}

const QSizeF A4(210, 297);
const QSizeF Letter(215.9, 279.4);

QString millimetres(double value)
{
    return QLocale().toString(value, 'g', 4);
}

QString key(const QString &name)
{
    return QStringLiteral("Labels/Custom/") + name;
}

} // namespace

QList<LabelSheetLayout> LabelSheetLayout::namedLayouts()
{
    return {
        layout(QStringLiteral("a4-3x8"), A4, 3, 8, { 70, 37 }, 0, 0.5, 0, 0),
        layout(QStringLiteral("a4-3x7"), A4, 3, 7, { 70, 42.3 }, 0, 0.45, 0, 0),
        // Avery L7163: 99.1 × 38.1 mm on a pitch of 101.6 mm across.
        layout(QStringLiteral("a4-2x7"), A4, 2, 7, { 99.1, 38.1 }, 4.65, 15.15, 2.5, 0),
        layout(QStringLiteral("a4-4x10"), A4, 4, 10, { 48.5, 25.4 }, 8, 21.5, 0, 0),
        // Avery 5160: 2 5/8 × 1 inch, on a pitch of 2 3/4 inch across.
        layout(QStringLiteral("letter-3x10"), Letter, 3, 10, { 66.675, 25.4 }, 4.7625, 12.7, 3.175, 0),
    };
}

QString LabelSheetLayout::name() const
{
    const QString label = tr("%1 × %2 mm").arg(millimetres(labelSize.width()), millimetres(labelSize.height()));
    if (id == QLatin1String("a4-2x7"))
        return tr("A4 %1 × %2, Avery L7163 (%3)").arg(columns).arg(rows).arg(label);
    if (id == QLatin1String("letter-3x10"))
        return tr("US Letter %1 × %2, Avery 5160 (%3)").arg(columns).arg(rows).arg(label);
    if (id == customId())
        return tr("Egen opstilling");
    return tr("A4 %1 × %2 (%3)").arg(columns).arg(rows).arg(label);
}

QRectF LabelSheetLayout::labelRect(int index) const
{
    const int perSheet = qMax(1, labelsPerSheet());
    const int onSheet = ((index % perSheet) + perSheet) % perSheet;
    const int row = onSheet / qMax(1, columns);
    const int column = onSheet % qMax(1, columns);
    return QRectF(leftMargin + column * (labelSize.width() + columnGap),
        topMargin + row * (labelSize.height() + rowGap), labelSize.width(), labelSize.height());
}

bool LabelSheetLayout::fits(QString *reason) const
{
    QString why;
    const double width = leftMargin + columns * labelSize.width() + (columns - 1) * columnGap;
    const double height = topMargin + rows * labelSize.height() + (rows - 1) * rowGap;
    if (pageSize.width() <= 0 || pageSize.height() <= 0)
        why = tr("Siden skal have en bredde og en højde.");
    else if (columns < 1 || rows < 1)
        why = tr("Arket skal have mindst én række og én kolonne.");
    else if (labelSize.width() <= 0 || labelSize.height() <= 0)
        why = tr("Etiketterne skal have en bredde og en højde.");
    else if (leftMargin < 0 || topMargin < 0 || columnGap < 0 || rowGap < 0)
        why = tr("Margener og mellemrum kan ikke være negative.");
    else if (width > pageSize.width() + Tolerance)
        why = tr("%1 kolonner med margen og mellemrum er %2 mm brede, men siden er kun %3 mm bred.")
                  .arg(QString::number(columns), millimetres(width), millimetres(pageSize.width()));
    else if (height > pageSize.height() + Tolerance)
        why = tr("%1 rækker med margen og mellemrum er %2 mm høje, men siden er kun %3 mm høj.")
                  .arg(QString::number(rows), millimetres(height), millimetres(pageSize.height()));
    if (reason)
        *reason = why;
    return why.isEmpty();
}

LabelSheetLayout LabelSheetLayout::byId(const QString &id)
{
    if (id == customId())
        return savedCustom();
    const QList<LabelSheetLayout> named = namedLayouts();
    for (const LabelSheetLayout &layout : named) {
        if (layout.id == id)
            return layout;
    }
    return named.first();
}

LabelSheetLayout LabelSheetLayout::savedCustom()
{
    const Settings settings;
    LabelSheetLayout custom = namedLayouts().first();
    custom.id = customId();
    custom.pageSize = QSizeF(settings.value(key(QStringLiteral("PageWidth")), custom.pageSize.width()).toDouble(),
        settings.value(key(QStringLiteral("PageHeight")), custom.pageSize.height()).toDouble());
    custom.columns = settings.value(key(QStringLiteral("Columns")), custom.columns).toInt();
    custom.rows = settings.value(key(QStringLiteral("Rows")), custom.rows).toInt();
    custom.labelSize = QSizeF(settings.value(key(QStringLiteral("LabelWidth")), custom.labelSize.width()).toDouble(),
        settings.value(key(QStringLiteral("LabelHeight")), custom.labelSize.height()).toDouble());
    custom.leftMargin = settings.value(key(QStringLiteral("LeftMargin")), custom.leftMargin).toDouble();
    custom.topMargin = settings.value(key(QStringLiteral("TopMargin")), custom.topMargin).toDouble();
    custom.columnGap = settings.value(key(QStringLiteral("ColumnGap")), custom.columnGap).toDouble();
    custom.rowGap = settings.value(key(QStringLiteral("RowGap")), custom.rowGap).toDouble();
    return custom;
}

void LabelSheetLayout::saveAsCustom() const
{
    Settings settings;
    settings.setValue(key(QStringLiteral("PageWidth")), pageSize.width());
    settings.setValue(key(QStringLiteral("PageHeight")), pageSize.height());
    settings.setValue(key(QStringLiteral("Columns")), columns);
    settings.setValue(key(QStringLiteral("Rows")), rows);
    settings.setValue(key(QStringLiteral("LabelWidth")), labelSize.width());
    settings.setValue(key(QStringLiteral("LabelHeight")), labelSize.height());
    settings.setValue(key(QStringLiteral("LeftMargin")), leftMargin);
    settings.setValue(key(QStringLiteral("TopMargin")), topMargin);
    settings.setValue(key(QStringLiteral("ColumnGap")), columnGap);
    settings.setValue(key(QStringLiteral("RowGap")), rowGap);
}
