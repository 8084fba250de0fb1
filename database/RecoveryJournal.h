#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

#include "database/CollectionJournal.h"

class Item;

// Writes down every change of a collection since its file was loaded or last
// saved, as text, for the recovery file (RecoveryFile) and, after a crash,
// RecoveryReplay. Each elementary change is one line, made from the change
// alone, never from the rest of the register: an item's line is its line of
// the database file, as DatabaseWriter makes it, so that an item put back is
// exactly the one that was changed.
//
//     I <index> <length>:<item line>    an item came in at index
//     R <index>                         the item at index went
//     C <index> <length>:<item line>    the item at index has these fields
//     S <method>                        the items were sorted
//     L <list> <count>                  a list holds these entries, one per
//       <length>:<entry>                  line after it (UTF-8)
//     E <list> <position>               a list entry went, items renumbered
//     N <list> <position> <length>:<name>  an entry came in, items renumbered
//     T <length>:<step text>            the step is complete
//
// The text is kept as one shared block per step: handing it to another thread
// to write copies nothing.
class RecoveryJournal : public CollectionJournal
{
public:
    RecoveryJournal() = default;

    // Forgets every change: the database file holds them now.
    void restart();
    // The steps written down since the last restart.
    int steps() const { return m_steps; }
    // When the last step ended, in milliseconds since the epoch (UTC); 0
    // before the first.
    qint64 lastChange() const { return m_lastChange; }
    // The text of the complete steps, in order, with the sorts that came
    // after the last of them. A step still open is left out.
    const QList<QByteArray> &blocks() const { return m_blocks; }
    // Called after every step that was written down.
    void setStepListener(std::function<void()> listener) { m_listener = std::move(listener); }

    // An item's line as the database file holds it, without its line end.
    static QByteArray itemLine(const Item &item);

    void itemInserted(int index, const Item &item) override;
    void itemRemoved(int index) override;
    void itemChanged(int index, const Item &item) override;
    void sorted(int method) override;
    void listReplaced(int list, const QStringList &entries) override;
    void listEntryRemoved(int list, int position) override;
    void listEntryInserted(int list, int position, const QString &name) override;
    void stepEnded(const QString &text) override;

private:
    QList<QByteArray> m_blocks;
    // The lines of the step in progress.
    QByteArray m_open;
    int m_steps = 0;
    qint64 m_lastChange = 0;
    std::function<void()> m_listener;
};
