// The event loop's start and end, defined in Application.cpp. Not part of
// the public interface.
#pragma once

#include <QString>

#include <iosfwd>

#include "Values.h"

namespace fw::detail {

// Installs the toolkit's German translation from that directory in place of
// one installed before. Where it is missing, tells so on err, changes nothing
// and returns false: at the start the toolkit's texts then stay English.
bool InstallToolkitTranslation(const QString& directory, std::ostream& err);

// Ends the event loop with a status, also when the loop has not started yet
// (Application::Run then returns at once).
void RequestQuit(Integer status);

}  // namespace fw::detail
