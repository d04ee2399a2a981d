#pragma once

#include "exact/pi_multiple.h"
#include "exact/surd.h"

#include <optional>

// A whole angle in degrees whose sine and cosine have exact forms: the multiples of 30° and 45°.
struct ExactAngle {
    int degrees = 0;

    double toDouble() const { return degrees; }
    PiMultiple radians() const;
    friend bool operator==(const ExactAngle&, const ExactAngle&) = default;
};

// cos and sin of such an angle (cos 60° = 1/2, sin 45° = √2/2); empty for any other angle.
std::optional<Surd> exactCos(ExactAngle angle);
std::optional<Surd> exactSin(ExactAngle angle);

// The angle back from an exact value: cos⁻¹ in 0°..180° (cos⁻¹(1/2) = 60°), sin⁻¹ in
// -90°..90° (sin⁻¹(√2/2) = 45°). Empty where the value is no such cosine or sine.
std::optional<ExactAngle> exactArcCos(const Surd& value);
std::optional<ExactAngle> exactArcSin(const Surd& value);
