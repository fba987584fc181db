// Coefficients of the astronomical series the calendar computation uses:
// the Earth's heliocentric longitude and radius vector (VSOP87, the
// periodic terms in the abridged form of Meeus' "Astronomical Algorithms",
// appendix III) and the nutation in longitude (IAU 1980, 63 terms).
#pragma once

namespace datagen {

struct Vsop87Term {
    double a, b, c;  // a cos(b + c tau), tau in Julian millennia from J2000
};
struct Vsop87Series {
    const Vsop87Term* terms;
    int count;
};

// L0..L5 and R0..R4, amplitudes in units of 1e-8 radian or 1e-8 AU.
extern const Vsop87Series kEarthLongitude[6];
extern const Vsop87Series kEarthRadius[5];

struct NutationTerm {
    signed char d, m, mp, f, om;  // multiples of the fundamental arguments
    double psi0, psi1;            // 0.0001" + 0.0001" per Julian century
};
extern const NutationTerm kNutation[63];

}  // namespace datagen
