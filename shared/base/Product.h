#pragma once

// The product's name as the windows, the tray and the About box show it.
inline constexpr const char* kProductName = "Kestrune Vandrel";
