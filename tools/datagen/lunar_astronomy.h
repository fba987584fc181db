// The astronomy behind the lunar calendar table: the instants of the new
// moons and of the sun's apparent longitudes (Meeus, "Astronomical
// Algorithms": chapter 49 for the phases, VSOP87 with FK5 correction,
// nutation and aberration for the sun) and the difference between the
// dynamical time of the series and universal time (Espenak and Meeus'
// polynomials). Instants are Julian Ephemeris Days unless named UT.
#pragma once

namespace datagen {

// Terrestrial time minus universal time, seconds, at decimal year y (1800-2150).
double DeltaTSeconds(double year);
double TtToUt(double jde);

// The true new moon of lunation k (k = 0 the new moon of 2000-01-06).
double NewMoonJde(int k);

// The sun's apparent geocentric longitude, degrees in [0, 360).
double ApparentSunLongitude(double jde);

// The instant of solar term `index` of Gregorian year `year`: 0 the minor
// cold (longitude 285) in January ... 23 the winter solstice (270) in December.
double SolarTermJde(int year, int index);

}  // namespace datagen
