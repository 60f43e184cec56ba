#pragma once

// The product's name and version as the windows, the tray, the About box and the programs' --version show
// them.
inline constexpr const char* kProductName = "Kestrune Vandrel";
inline constexpr const char* kProductVersion = "1.3";
