#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QPageSize>
#include <QString>

#include <functional>

class DBItemCollection;
class Item;

// The value report: one PDF that a user hands to an insurer or an appraiser.
// A cover page with the owner and the totals, tables of the totals by group,
// location, supplier and year of purchase, and one entry per item with its
// picture (two in the picture and coin editions), its facts and its receipt.
// Every page is headed with the database's name, the report's date and
// "page N of M".
//
// The collection and the items are not owned; they must not change while
// the report is written.
class ValueReport
{
    Q_DECLARE_TR_FUNCTIONS(ValueReport)
public:
    enum Sort { ByGroup, ByLocation, ByValue };

    struct Options
    {
        QString owner;
        QString address;
        QString policy;
        bool photos = true;
        bool receipts = true;
        Sort sort = ByGroup;
        QPageSize::PageSizeId pageSize = QPageSize::A4;
        QDate date = QDate::currentDate();
    };

    // Told after each page; false stops the report.
    using Progress = std::function<bool(int page, int pages)>;

    ValueReport(const DBItemCollection &collection, const QList<const Item *> &items, const Options &options);

    // Writes the report to path. False when it was cancelled or could not
    // be written (errorString() says why; empty when cancelled): then no
    // file is left there, and a file that was there before stays as it was.
    bool write(const QString &path, const Progress &progress = {});
    QString errorString() const { return m_errorString; }
    // The items with a picture link whose picture could not be read.
    int missingPictures() const { return m_missingPictures; }

    // The page size of the user's locale: Letter where it is used, A4
    // elsewhere.
    static QPageSize::PageSizeId localPageSize();

private:
    const DBItemCollection &m_collection;
    QList<const Item *> m_items;
    Options m_options;
    QString m_errorString;
    int m_missingPictures = 0;
};
