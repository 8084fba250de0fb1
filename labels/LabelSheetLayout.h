#pragma once

#include <QCoreApplication>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The geometry of a sheet of labels, in millimetres: the page, the rows and
// columns of labels, each label's size, the margins above and left of the
// first label, and the gaps between the columns and the rows. The named
// layouts are the common office sheets; a custom one is the user's own and
// is remembered under "Labels/Custom/...".
class LabelSheetLayout
{
    Q_DECLARE_TR_FUNCTIONS(LabelSheetLayout)
public:
    QString id; // the settings' name: "a4-3x8", ..., "custom"
    QSizeF pageSize { 210, 297 };
    int columns = 3;
    int rows = 8;
    QSizeF labelSize { 70, 37 };
    double leftMargin = 0;
    double topMargin = 0;
    double columnGap = 0;
    double rowGap = 0;

    // The name shown to the user ("A4 3 × 8 (70 × 37 mm)").
    QString name() const;
    int labelsPerSheet() const { return columns * rows; }
    // The place of label index (0 is the top left, then along the row) on
    // its sheet; index is counted modulo labelsPerSheet().
    QRectF labelRect(int index) const;
    // Whether every label lies on the page, with the counts and sizes
    // positive; otherwise reason (when given) says why.
    bool fits(QString *reason = nullptr) const;

    static QString customId() { return QStringLiteral("custom"); }
    // The named layouts, in the order offered.
    static QList<LabelSheetLayout> namedLayouts();
    // The named layout of that id, or the custom layout as remembered; the
    // first named layout for an unknown id.
    static LabelSheetLayout byId(const QString &id);
    // The custom layout as remembered (a copy of A4 3 × 8 the first time).
    static LabelSheetLayout savedCustom();
    void saveAsCustom() const;
};
