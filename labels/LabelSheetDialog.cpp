#include "labels/LabelSheetDialog.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "desktop/PrintDialog.h"
#include "help/HelpTopics.h"
#include "labels/LabelSheetPreview.h"
#include "labels/LabelSheetWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>

namespace {

QString key(const char *name)
{
    return QStringLiteral("Labels/") + QLatin1String(name);
}

// The problems a box lists, and those under the preview; the rest are
// counted.
constexpr int ProblemsShown = 12;
constexpr int ProblemsUnderPreview = 4;

QString listed(const QStringList &problems, int count)
{
    QStringList shown = problems.mid(0, count);
    if (problems.size() > count)
        shown.append(LabelSheet::tr("…og %1 mere").arg(problems.size() - count));
    return shown.join(QLatin1Char('\n'));
}

} // namespace

LabelSheetDialog::LabelSheetDialog(const DBItemCollection &collection, int group, const QList<const Item *> &selection,
    const QList<const Item *> &shown, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_selection(selection)
    , m_shown(shown)
{
    setupUi(this);
    m_preview = new LabelSheetPreview(previewHolder);
    m_preview->setObjectName(QStringLiteral("labelSheetPreview"));
    previewLayout->addWidget(m_preview);

    groupButton->setText(columnTitle(ListColumns::GroupColumn) + QStringLiteral(":"));
    groupBox->addItems(collection.groups().entries());
    if (group >= 0 && group < groupBox->count())
        groupBox->setCurrentIndex(group);
    groupButton->setEnabled(groupBox->count() > 0);
    selectionButton->setEnabled(!selection.isEmpty());
    if (!selection.isEmpty())
        selectionButton->setText(tr("De valgte &rækker (%1)").arg(selection.size()));
    // What the filtered list shows is what is printed, unless rows were
    // picked out of it.
    shownButton->setVisible(!shown.isEmpty());
    if (!shown.isEmpty())
        shownButton->setText(tr("De &viste rækker (%1)").arg(shown.size()));
    if (!shown.isEmpty() && selection.size() <= 1)
        shownButton->setChecked(true);
    else if (!selection.isEmpty())
        selectionButton->setChecked(true);
    connect(groupBox, &QComboBox::activated, groupButton, [this] { groupButton->setChecked(true); });
    // The picture edition's count field holds the register number.
    perPieceCheckBox->setVisible(!isVistrel());

    for (const LabelSheetLayout &layout : LabelSheetLayout::namedLayouts())
        layoutBox->addItem(layout.name(), layout.id);
    layoutBox->addItem(LabelSheetLayout::savedCustom().name(), LabelSheetLayout::customId());
    for (const BarcodeSymbol::Symbology symbology :
        { BarcodeSymbol::Code128, BarcodeSymbol::QrCode, BarcodeSymbol::Ean13, BarcodeSymbol::DataMatrix })
        symbologyBox->addItem(BarcodeSymbol::symbologyName(symbology), int(symbology));

    const Settings settings;
    const int layoutIndex = layoutBox->findData(settings.value(key("Layout")).toString());
    layoutBox->setCurrentIndex(qMax(0, layoutIndex));
    if (settings.value(key("Kind")).toString() == QLatin1String("locations"))
        locationKindButton->setChecked(true);
    startAtSpin->setValue(settings.value(key("StartAt"), 1).toInt());
    perPieceCheckBox->setChecked(settings.value(key("PerPiece"), false).toBool());
    barcodeCheckBox->setChecked(settings.value(key("Barcode"), true).toBool());
    nameCheckBox->setChecked(settings.value(key("Name"), true).toBool());
    makeModelCheckBox->setChecked(settings.value(key("MakeModel"), true).toBool());
    placeCheckBox->setChecked(settings.value(key("Place"), true).toBool());
    priceCheckBox->setChecked(settings.value(key("Price"), false).toBool());
    symbologyBox->setCurrentIndex(qMax(0, symbologyBox->findData(settings.value(key("Symbology"), 0).toInt())));
    if (settings.value(key("Output")).toString() == QLatin1String("pdf"))
        pdfButton->setChecked(true);
    layoutChosen();

    connect(layoutBox, &QComboBox::currentIndexChanged, this, &LabelSheetDialog::layoutChosen);
    for (QSpinBox *spin : { startAtSpin, columnsSpin, rowsSpin })
        connect(spin, &QSpinBox::valueChanged, this, &LabelSheetDialog::updatePreview);
    for (QDoubleSpinBox *spin : { pageWidthSpin, pageHeightSpin, labelWidthSpin, labelHeightSpin, leftMarginSpin,
             topMarginSpin, columnGapSpin, rowGapSpin })
        connect(spin, &QDoubleSpinBox::valueChanged, this, &LabelSheetDialog::updatePreview);
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *> { allButton, groupButton, shownButton,
             selectionButton, itemKindButton, locationKindButton, perPieceCheckBox, barcodeCheckBox, nameCheckBox,
             makeModelCheckBox, placeCheckBox, priceCheckBox })
        connect(button, &QAbstractButton::toggled, this, &LabelSheetDialog::updatePreview);
    connect(groupBox, &QComboBox::currentIndexChanged, this, &LabelSheetDialog::updatePreview);
    connect(symbologyBox, &QComboBox::currentIndexChanged, this, &LabelSheetDialog::updatePreview);
    connect(pdfButton, &QAbstractButton::toggled, this, &LabelSheetDialog::updatePreview);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &LabelSheetDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &LabelSheetDialog::reject);
    connect(buttonBox, &QDialogButtonBox::helpRequested, this,
        [] { openHtmlPage(HelpTopics::labelSheetPage(edition(), currentLanguage()), QString(), false); });
}

LabelSheetDialog::~LabelSheetDialog() = default;

void LabelSheetDialog::showLayout(const LabelSheetLayout &layout)
{
    m_showingLayout = true;
    pageWidthSpin->setValue(layout.pageSize.width());
    pageHeightSpin->setValue(layout.pageSize.height());
    columnsSpin->setValue(layout.columns);
    rowsSpin->setValue(layout.rows);
    labelWidthSpin->setValue(layout.labelSize.width());
    labelHeightSpin->setValue(layout.labelSize.height());
    leftMarginSpin->setValue(layout.leftMargin);
    topMarginSpin->setValue(layout.topMargin);
    columnGapSpin->setValue(layout.columnGap);
    rowGapSpin->setValue(layout.rowGap);
    m_showingLayout = false;
}

void LabelSheetDialog::layoutChosen()
{
    const QString id = layoutBox->currentData().toString();
    const bool custom = id == LabelSheetLayout::customId();
    showLayout(LabelSheetLayout::byId(id));
    for (QWidget *widget : customGroup->findChildren<QAbstractSpinBox *>())
        widget->setEnabled(custom);
    updatePreview();
}

LabelSheetLayout LabelSheetDialog::layout() const
{
    const QString id = layoutBox->currentData().toString();
    if (id != LabelSheetLayout::customId())
        return LabelSheetLayout::byId(id);
    LabelSheetLayout layout;
    layout.id = id;
    layout.pageSize = QSizeF(pageWidthSpin->value(), pageHeightSpin->value());
    layout.columns = columnsSpin->value();
    layout.rows = rowsSpin->value();
    layout.labelSize = QSizeF(labelWidthSpin->value(), labelHeightSpin->value());
    layout.leftMargin = leftMarginSpin->value();
    layout.topMargin = topMarginSpin->value();
    layout.columnGap = columnGapSpin->value();
    layout.rowGap = rowGapSpin->value();
    return layout;
}

LabelSheet::Options LabelSheetDialog::options() const
{
    LabelSheet::Options options;
    options.kind = locationKindButton->isChecked() ? LabelSheet::LocationLabels : LabelSheet::ItemLabels;
    options.perPiece = perPieceCheckBox->isChecked() && !isVistrel();
    options.startAt = startAtSpin->value();
    options.barcode = barcodeCheckBox->isChecked();
    options.name = nameCheckBox->isChecked();
    options.makeModel = makeModelCheckBox->isChecked();
    options.place = placeCheckBox->isChecked();
    options.price = priceCheckBox->isChecked();
    options.symbology = BarcodeSymbol::Symbology(symbologyBox->currentData().toInt());
    return options;
}

QList<const Item *> LabelSheetDialog::items() const
{
    const bool bySelection = selectionButton->isChecked() && selectionButton->isEnabled();
    const bool byShown = shownButton->isChecked() && !m_shown.isEmpty();
    const bool byGroup = groupButton->isChecked() && groupButton->isEnabled();
    const QList<const Item *> &picked = bySelection ? m_selection : m_shown;
    const bool byPicked = bySelection || byShown;
    const QSet<const Item *> chosen(picked.cbegin(), picked.cend());
    QList<const Item *> result;
    for (const Item *item : m_collection) {
        if ((byPicked && !chosen.contains(item)) || (byGroup && item->group() != groupBox->currentIndex()))
            continue;
        result.append(item);
    }
    return result;
}

std::unique_ptr<LabelSheet> LabelSheetDialog::makeSheet() const
{
    auto sheet = std::make_unique<LabelSheet>(layout(), options());
    if (sheet->options().kind == LabelSheet::LocationLabels)
        sheet->addLocations(m_collection);
    else
        sheet->addItems(m_collection, items());
    return sheet;
}

void LabelSheetDialog::updatePreview()
{
    if (m_showingLayout)
        return;
    const LabelSheetLayout sheetLayout = layout();
    QString reason;
    const bool fits = sheetLayout.fits(&reason);
    layoutProblemLabel->setText(reason);
    layoutProblemLabel->setVisible(!fits);
    startAtSpin->setMaximum(qMax(1, sheetLayout.labelsPerSheet()));
    const bool locations = locationKindButton->isChecked();
    scopeGroup->setEnabled(!locations);
    perPieceCheckBox->setEnabled(!locations);
    nameCheckBox->setEnabled(!locations);
    makeModelCheckBox->setEnabled(!locations);
    placeCheckBox->setEnabled(!locations);
    priceCheckBox->setEnabled(!locations);
    symbologyBox->setEnabled(!locations && barcodeCheckBox->isChecked());
    buttonBox->button(QDialogButtonBox::Ok)->setText(pdfButton->isChecked() ? tr("&Gem PDF...") : tr("&Udskriv..."));
    if (!fits) {
        buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
        m_preview->setSheet(nullptr);
        problemsLabel->clear();
        return;
    }

    // The first sheet only: no more items than it has labels.
    auto sheet = std::make_unique<LabelSheet>(sheetLayout, options());
    if (locations) {
        sheet->addLocations(m_collection);
    } else {
        QList<const Item *> chosen = items();
        if (chosen.size() > sheetLayout.labelsPerSheet())
            chosen.resize(sheetLayout.labelsPerSheet());
        sheet->addItems(m_collection, chosen);
    }
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!sheet->labels().isEmpty());
    problemsLabel->setText(listed(sheet->problems(), ProblemsUnderPreview));
    m_preview->setSheet(std::move(sheet));
}

void LabelSheetDialog::remember() const
{
    Settings settings;
    settings.setValue(key("Layout"), layoutBox->currentData().toString());
    settings.setValue(
        key("Kind"), locationKindButton->isChecked() ? QStringLiteral("locations") : QStringLiteral("items"));
    settings.setValue(key("StartAt"), startAtSpin->value());
    settings.setValue(key("PerPiece"), perPieceCheckBox->isChecked());
    settings.setValue(key("Barcode"), barcodeCheckBox->isChecked());
    settings.setValue(key("Name"), nameCheckBox->isChecked());
    settings.setValue(key("MakeModel"), makeModelCheckBox->isChecked());
    settings.setValue(key("Place"), placeCheckBox->isChecked());
    settings.setValue(key("Price"), priceCheckBox->isChecked());
    settings.setValue(key("Symbology"), symbologyBox->currentData().toInt());
    settings.setValue(key("Output"), pdfButton->isChecked() ? QStringLiteral("pdf") : QStringLiteral("printer"));
    if (layoutBox->currentData().toString() == LabelSheetLayout::customId())
        layout().saveAsCustom();
}

bool LabelSheetDialog::confirmProblems(const LabelSheet &sheet)
{
    const QStringList problems = sheet.problems();
    if (problems.isEmpty())
        return true;
    return MessageBox::warning(this, tr("Etiketter uden den valgte stregkode"),
               tr("Nogle etiketter kan ikke få den valgte stregkode:\n\n%1\n\nUdskriv etiketterne alligevel?")
                   .arg(listed(problems, ProblemsShown)),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
}

bool LabelSheetDialog::output(const LabelSheet &sheet)
{
    LabelSheetWriter writer(sheet);
    QProgressDialog progress(tr("Skriver etiketterne..."), tr("Stop"), 0, qMax(1, sheet.sheetCount()), this);
    progress.setObjectName(QStringLiteral("labelSheetProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const auto tell = [&progress](int done, int sheets) {
        progress.setMaximum(sheets);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    if (pdfButton->isChecked()) {
        const QString database = m_collection.fileName();
        const QString name
            = tr("%1 - etiketter.pdf").arg(database.isEmpty() ? editionName() : QFileInfo(database).completeBaseName());
        FileDialog::Request request;
        request.mode = FileDialog::AnyFile;
        request.title = tr("Gem etiketterne");
        request.folder
            = database.isEmpty() ? QDir(lastDbDir()).filePath(name) : QFileInfo(database).dir().filePath(name);
        request.filters = { tr("PDF-filer (*.pdf)"), FileDialog::allFilesFilter() };
        request.confirmOverwrite = true;
        request.defaultSuffix = QStringLiteral("pdf");
        request.objectName = QStringLiteral("labelSheetFileDialog");
        const FileDialog::Answer answer = FileDialog::ask(this, request);
        if (!answer.accepted())
            return false;
        if (!writer.writePdf(answer.path, tell)) {
            if (!writer.errorString().isEmpty())
                MessageBox::critical(this, tr("Etiketterne blev ikke gemt"),
                    tr("%1 blev ikke gemt:\n%2").arg(QDir::toNativeSeparators(answer.path), writer.errorString()));
            return false;
        }
        m_writtenFile = answer.path;
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintDialog::exec(printer, this, tr("Udskriv etiketter")))
        return false;
    if (!writer.print(printer, tell)) {
        if (!writer.errorString().isEmpty())
            MessageBox::critical(this, tr("Etiketterne blev ikke udskrevet"), writer.errorString());
        return false;
    }
    m_writtenFile = printer.outputFileName();
    return true;
}

void LabelSheetDialog::accept()
{
    if (!layout().fits())
        return;
    const std::unique_ptr<LabelSheet> sheet = makeSheet();
    if (sheet->labels().isEmpty() || !confirmProblems(*sheet))
        return;
    remember();
    if (!output(*sheet))
        return;
    QDialog::accept();
}
