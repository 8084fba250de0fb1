#pragma once

#include <functional>

// Who learns of each change of the process-wide flag of unsaved changes
// (databaseModified(), DBItemCollection.h): one listener, the window that
// shows the flag, told the new value on the thread that changed it. An empty
// function ends that. The flag lives with the collection's code.
void setDatabaseModifiedListener(std::function<void(bool modified)> listener);
