#pragma once

namespace parlora {

// Window geometry is given in twips; Qt lays out in device-independent
// pixels and scales those for high-DPI screens.
inline constexpr int TwipsPerPixel = 15;

constexpr int twips(int value) { return value / TwipsPerPixel; }

} // namespace parlora
