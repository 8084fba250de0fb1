#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

class DBItemCollection;
struct PrintSettingsSnapshot;

// The heading on top of every printed page: the database's name and the
// print date on the left, "side N af M" on the right, and below them, where
// the printout has them, the words for what it shows (the filter and sort of
// a list).
class PageHeading
{
    Q_DECLARE_TR_FUNCTIONS(PageHeading)
public:
    // collection: the printed register (not owned, may be null); detail:
    // the second line, none when empty.
    explicit PageHeading(const DBItemCollection *collection, const QString &detail = QString());

    // The heading's lines for page of pages, in at most chars characters
    // (the database name gives way where the line is too short).
    QStringList lines(int page, int pages, int chars) const;

    // The name a printout gives the register: its file's name, or the words
    // for a database not yet saved.
    static QString databaseName(const DBItemCollection *collection);
    // The filter and sort of a printed list in words, with the database's
    // column titles: "Alle poster, sorteret efter Gruppe", "Kun Gruppe:
    // Stue, sorteret efter Navn".
    static QString listDetail(const PrintSettingsSnapshot &settings, const DBItemCollection *collection);

    void setDate(const QDate &date) { m_date = date; }

private:
    QString m_name;
    QString m_detail;
    QDate m_date = QDate::currentDate();
};
