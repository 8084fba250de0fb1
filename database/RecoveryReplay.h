#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class DBItemCollection;
class Item;

// Reads the changes a RecoveryJournal wrote down and makes them again, in
// order, through the collection's own primitives, so that every journal and
// view follows them as if the user made them once more.
class RecoveryReplay
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryReplay)

public:
    RecoveryReplay();
    ~RecoveryReplay();
    RecoveryReplay(const RecoveryReplay &) = delete;
    RecoveryReplay &operator=(const RecoveryReplay &) = delete;

    // Reads the journal's text; false, with the reason in *error, when it is
    // not one. Nothing is applied here.
    bool read(const QByteArray &text, QString *error);
    // The steps read.
    int steps() const { return m_steps; }

    // Makes the changes read in the collection, as one step named stepText.
    // The positions are first checked against the collection's count and
    // lists: false, with the reason, and nothing changed, when they do not
    // fit it. The items read go to the collection; read() again before
    // another apply().
    bool apply(DBItemCollection &collection, const QString &stepText, QString *error);

private:
    struct Change
    {
        char kind = 0;
        int first = 0;
        int second = 0;
        // The item read for an I or C line, by its place in m_items.
        int item = -1;
        QString text;
        QStringList entries;
    };
    bool fits(const DBItemCollection &collection, QString *error) const;

    std::vector<Change> m_changes;
    std::vector<std::unique_ptr<Item>> m_items;
    int m_steps = 0;
};
