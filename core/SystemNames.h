#pragma once

#include <QString>

// Names of the computer and of the logged-in user, as the operating system
// reports them; they name the holder of a database lock. Both give
// "UserName not found" when the system cannot tell.
namespace SystemNames {

QString computerName();
QString userName();

} // namespace SystemNames
