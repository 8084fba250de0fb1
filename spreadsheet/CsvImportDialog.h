#pragma once

#include "ui_CsvImportDialogBase.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "database/CsvColumnMapping.h"
#include "database/CsvFormat.h"
#include "database/CsvReader.h"

class DBItemCollection;
class QComboBox;
struct CsvImportPlan;

// File > Import > Spreadsheet: reads a spreadsheet file into the register.
// The file's encoding and separator are detected and shown in boxes the user
// can change, the first rows are shown as they will be read (cells that
// cannot be stored marked, with the reason), each field of the register gets
// a column of the file (guessed from the header, changeable), and a dry run
// of the whole file tells what an import would do before anything changes.
// The import is one step of the undo history; it goes into the open database
// or, after the window's save question, into a new one.
//
// The collection is not owned: it is the window's, and stays the same object
// when the window makes a new database.
class CsvImportDialog : public QDialog, private Ui::CsvImportDialogBase
{
    Q_OBJECT
public:
    // How many rows of the file the preview shows.
    static constexpr int PreviewRows = 50;

    explicit CsvImportDialog(DBItemCollection &collection, QWidget *parent = nullptr);
    ~CsvImportDialog() override;

    // Makes the new database an import may go into (the window's File >
    // New, with its save question); false when the open database stays.
    // Without it the dialog offers no import into a new database.
    void setNewDatabase(std::function<bool()> makeNew);

    // Reads the file's first rows with the encoding and separator detected
    // from its bytes; false (the preview says why) when it cannot be opened.
    bool openFile(const QString &path);
    // Asks for the file through the file dialog, then opens it.
    void chooseFile();

    QString filePath() const { return m_path; }
    CsvFormat format() const;
    const CsvColumnMapping &mapping() const { return m_mapping; }
    // The file's column names (or "Kolonne 1", ... without a header row).
    const QStringList &header() const { return m_header; }
    // The dry run's plan; null before one ran or after a change of options.
    const CsvImportPlan *plan() const { return m_plan.get(); }

    // The dry run of the whole file; false when the file could not be read
    // to its end or changed while it was read.
    bool check();
    // Imports the checked plan into the open database, or into a new one;
    // false when nothing was imported.
    bool importPlan(bool intoNewDatabase);

    // The combo box of the file's column for the field (CsvColumns).
    QComboBox *mappingBox(int field) const;

signals:
    // The items imported from the file, as one step of the undo history.
    void imported(int items, const QString &file, bool intoNewDatabase);

private:
    // The file as the dry run saw it: a change since means checking again.
    struct Stamp
    {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &other) const { return size == other.size && modified == other.modified; }
    };
    static Stamp stampOf(const QString &path);

    void fillFormatBoxes();
    void buildMappingTable();
    void formatChanged();
    void mappingChanged(int field);
    void substituteChanged();
    // Reads the header and the preview's rows again with the boxes' format.
    void readPreview();
    void fillMappingBoxes();
    void drawPreview();
    void invalidatePlan();
    void showSummary();
    void enableButtons();
    bool askToCheckAgain(const QString &text);

    DBItemCollection &m_collection;
    std::function<bool()> m_makeNew;
    QString m_path;
    QStringList m_header;
    QList<CsvRow> m_rows;
    int m_columnCount = 0;
    // Why the preview's rows could not be read; empty when they could.
    QString m_readFailure;
    CsvColumnMapping m_mapping;
    std::unique_ptr<CsvImportPlan> m_plan;
    Stamp m_checked;
    QList<QComboBox *> m_mappingBoxes;
    // Whether the mapping was made for a file with a header row.
    bool m_mappedByHeader = true;
    // Set while the boxes are filled by the dialog itself.
    bool m_filling = false;
};
