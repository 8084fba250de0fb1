#pragma once

#include <QString>
#include <QStringList>

// An ordered list of names: groups, locations, suppliers or field titles. An
// item's group and location numbers are positions in these lists, from 0.
// The list files hold one entry per line, Latin-1, CR LF (LF also read);
// an empty line is an empty entry.
class userItemCollection
{
public:
    userItemCollection() = default;

    // Empties the list and fills it from the file; false (list unchanged)
    // when the file cannot be opened. Reads at most limit + 1 entries.
    bool load(const QString &path);
    // Writes every entry followed by CR LF. The file is written whole beside
    // the old one and replaces it only when complete, so a failed save leaves
    // the old file as it was. On failure returns false, keeps the reason in
    // errorString() and, with tellUser, shows it in a critical box.
    bool save(const QString &path, bool tellUser = true);
    // Why the last save failed.
    QString errorString() const { return m_errorString; }

    void add(const QString &text) { m_entries.append(text); }
    // Takes out the entry at index; nothing happens for an index out of range.
    void removeAt(int index)
    {
        if (index >= 0 && index < m_entries.size())
            m_entries.removeAt(index);
    }
    void clear() { m_entries.clear(); }
    // The entry, or an empty text when index is out of range.
    QString entry(int index) const;
    // The entry with every "&" removed, also from the stored entry.
    QString plainEntry(int index);
    int size() const { return int(m_entries.size()); }
    bool contains(const QString &text) const { return m_entries.contains(text); }
    int indexOf(const QString &text) const { return int(m_entries.indexOf(text)); }
    void setLimit(unsigned limit) { m_limit = limit; }
    unsigned limit() const { return m_limit; }

    QStringList::const_iterator begin() const { return m_entries.cbegin(); }
    QStringList::const_iterator end() const { return m_entries.cend(); }
    const QStringList &entries() const { return m_entries; }

private:
    unsigned m_limit = 15;
    QStringList m_entries;
    QString m_errorString;
};
