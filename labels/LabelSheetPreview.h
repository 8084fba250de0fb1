#pragma once

#include <QWidget>

#include <memory>

class LabelSheet;

// The first sheet of a print job as it will come out: the page with each
// label's edge in grey and the labels drawn by the same LabelPainter that
// writes the PDF and the printer's pages, scaled to the widget.
class LabelSheetPreview : public QWidget
{
    Q_OBJECT
public:
    explicit LabelSheetPreview(QWidget *parent = nullptr);
    ~LabelSheetPreview() override;

    // Shows sheet (taken over); null shows an empty page.
    void setSheet(std::unique_ptr<LabelSheet> sheet);
    const LabelSheet *sheet() const { return m_sheet.get(); }
    // The page's place in the widget.
    QRectF pageRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<LabelSheet> m_sheet;
};
