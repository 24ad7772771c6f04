// Start-up pieces defined in System.cpp. Not part of the public interface.
#pragma once

namespace fw::detail {

// Makes the fonts the program names resolve to the ones the set-up installs.
void RegisterFontSubstitutes();

}  // namespace fw::detail
