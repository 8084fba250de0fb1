#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

class QAction;

// A bar chart drawn with QPainter: a title, one bar per entry with its label
// and its amount, and a value axis with rounded steps. Horizontal charts put
// the labels left of the bars (names of groups or locations), vertical ones
// below the columns (years). Labels too long for their room are elided; the
// full label and amount show as the bar's tool tip.
//
// Charts by value show the largest entries first and, past maximumBars(),
// add up the rest in one bar "Øvrige"; charts in order keep the order given
// and add up the first entries instead. Negative amounts go left of (below)
// the zero line. Amounts are written in the user's locale.
//
// The context menu and the dialog's buttons copy the chart to the clipboard
// as an image of the chart's size, or save it as a PNG file (through the file
// dialog; a file that cannot be written is told in a box).
class BarChart : public QWidget
{
    Q_OBJECT
public:
    enum Orientation { Horizontal, Vertical };
    enum Order { ByValue, InOrder };

    struct Bar
    {
        QString label;
        double value = 0.0;
    };

    // A bar as drawn: where, with which label text, and whether it adds up
    // the entries past the maximum.
    struct DrawnBar
    {
        QString label;
        QString shownLabel;
        double value = 0.0;
        QRectF rect;
        QRectF labelRect;
        bool other = false;
    };

    explicit BarChart(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const { return m_title; }
    void setOrientation(Orientation orientation);
    Orientation orientation() const { return m_orientation; }
    void setBars(const QList<Bar> &bars, Order order);
    void setMaximumBars(int count);
    int maximumBars() const { return m_maximumBars; }
    // The folder the save dialog starts in.
    void setSaveFolder(const QString &folder) { m_saveFolder = folder; }

    // The bars shown, after the order and the adding up of the rest.
    QList<Bar> shownBars() const;
    // The bars as drawn on a chart of the given size.
    QList<DrawnBar> drawnBars(const QSize &size) const;
    QList<DrawnBar> drawnBars() const { return drawnBars(size()); }
    // The chart as drawn now, at its size.
    QImage image() const;

    QAction *copyAction() const { return m_copyAction; }
    QAction *saveAction() const { return m_saveAction; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void copyToClipboard();
    // Asks for the file and writes it; false when cancelled or not written.
    bool saveAsPng();

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Scale;
    Scale scale(const QList<Bar> &bars) const;
    // The rectangle of the bars; labelWidth gets the room of the labels of
    // a horizontal chart.
    QRectF plotArea(const QSize &size, const QList<Bar> &bars, qreal *labelWidth = nullptr) const;
    void paint(QPainter &painter, const QSize &size) const;

    QString m_title;
    Orientation m_orientation = Horizontal;
    Order m_order = ByValue;
    QList<Bar> m_bars;
    int m_maximumBars = 12;
    QString m_saveFolder;
    QAction *m_copyAction = nullptr;
    QAction *m_saveAction = nullptr;
};
