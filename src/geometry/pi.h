#pragma once

// Pi cut to 15 significant digits, the value the geometry tools have always used.
inline constexpr double pi15 = 3.14159265358979;
