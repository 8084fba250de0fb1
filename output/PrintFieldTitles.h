#pragma once

#include <QString>

#include "core/PrintSettings.h"

class DBItemCollection;

// The titles under which the print fields are shown in the print setup
// dialog and printed in a list's heading: the item list's current column
// titles (a database's field-names list renames them), and the catalogue's
// "ITEM_COUNT" for the running number. The print setup dialog finds a field
// again by its exact title, so both must use these texts.
namespace PrintFieldTitles {

QString title(PrintFields::Field field);

// The print setup's words for printing one group or location only: "Kun Gruppe".
QString onlyText(PrintFields::Field field);
// The print setup's words for a sort method (the field's title; "Pris (i
// alt)" for the total value); empty for a method that sorts nothing.
QString sortText(int sortMethod);

// The name a printout gives a group or location number: the entry of the
// register's list (collection not owned, may be null); a number the list
// does not reach, or with no register, prints as itself.
QString listEntry(const DBItemCollection *collection, int index, bool location);

// The item list column that shows the field; -1 for the running number.
int listColumn(PrintFields::Field field);

} // namespace PrintFieldTitles
