#pragma once

#include <QString>

#include "database/DBItemCollection.h"

// Makes the changes of the collection during its lifetime one step, named
// text for the user ("change of 'Sofa'"). Steps may nest; only the outermost
// one counts, and a step in which nothing changed is no step at all.
class CollectionStep
{
public:
    CollectionStep(DBItemCollection &collection, const QString &text)
        : m_collection(collection)
    {
        m_collection.beginStep(text);
    }
    ~CollectionStep() { m_collection.endStep(); }
    CollectionStep(const CollectionStep &) = delete;
    CollectionStep &operator=(const CollectionStep &) = delete;

private:
    DBItemCollection &m_collection;
};
