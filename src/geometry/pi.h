#pragma once

// Pi cut to 15 significant digits: the value pupils see in every answer that uses pi.
inline constexpr double pi15 = 3.14159265358979;
