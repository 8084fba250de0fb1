#pragma once

#include <QtGlobal>

#include <cstddef>
#include <iterator>
#include <memory>

class Item;

// A read-only look at the items of a collection, in its order: it yields
// plain Item pointers while the collection keeps owning the items. It is as
// cheap to take and to index as the collection's own list, and valid until
// the collection next adds, removes, sorts or clears its items.
class ItemSpan
{
public:
    // Yields Item * by value, so it is a random access iterator for ranges
    // and an input iterator for the older algorithms.
    class const_iterator
    {
    public:
        using iterator_concept = std::random_access_iterator_tag;
        using iterator_category = std::input_iterator_tag;
        using value_type = Item *;
        using difference_type = std::ptrdiff_t;
        using reference = Item *;
        using pointer = void;

        const_iterator() = default;
        explicit const_iterator(const std::unique_ptr<Item> *at)
            : m_at(at)
        { }

        Item *operator*() const { return m_at->get(); }
        Item *operator[](difference_type n) const { return m_at[n].get(); }
        const_iterator &operator++()
        {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++m_at;
            return before;
        }
        const_iterator &operator--()
        {
            --m_at;
            return *this;
        }
        const_iterator operator--(int)
        {
            const_iterator before = *this;
            --m_at;
            return before;
        }
        const_iterator &operator+=(difference_type n)
        {
            m_at += n;
            return *this;
        }
        const_iterator &operator-=(difference_type n)
        {
            m_at -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const_iterator a, const_iterator b) { return a.m_at - b.m_at; }
        friend auto operator<=>(const_iterator, const_iterator) = default;
        friend bool operator==(const_iterator, const_iterator) = default;

    private:
        const std::unique_ptr<Item> *m_at = nullptr;
    };

    ItemSpan() = default;
    ItemSpan(const std::unique_ptr<Item> *items, qsizetype size)
        : m_items(items)
        , m_size(size)
    { }

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    Item *at(qsizetype index) const
    {
        Q_ASSERT(index >= 0 && index < m_size);
        return m_items[index].get();
    }
    Item *operator[](qsizetype index) const { return at(index); }
    const_iterator begin() const { return const_iterator(m_items); }
    const_iterator end() const { return const_iterator(m_items + m_size); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }
    // The place of the item, or -1.
    qsizetype indexOf(const Item *item) const
    {
        for (qsizetype i = 0; i < m_size; ++i) {
            if (m_items[i].get() == item)
                return i;
        }
        return -1;
    }

private:
    const std::unique_ptr<Item> *m_items = nullptr;
    qsizetype m_size = 0;
};
