#include "tools/datagen/lunar_astronomy.h"

#include <cmath>

#include "tools/datagen/solar_terms_data.h"

namespace datagen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kJ2000 = 2451545.0;

double Rad(double degrees) { return degrees * kPi / 180.0; }

double Normalised(double degrees) {
    double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

double Sum(const Vsop87Series* series, int count, double tau) {
    double total = 0, power = 1;
    for (int i = 0; i < count; ++i) {
        double s = 0;
        for (int j = 0; j < series[i].count; ++j) {
            const Vsop87Term& t = series[i].terms[j];
            s += t.a * std::cos(t.b + t.c * tau);
        }
        total += s * power;
        power *= tau;
    }
    return total / 1e8;
}

// Nutation in longitude, degrees, at Julian centuries t from J2000.
double NutationInLongitude(double t) {
    const double d = 297.85036 + t * (445267.111480 + t * (-0.0019142 + t / 189474.0));
    const double m = 357.52772 + t * (35999.050340 + t * (-0.0001603 - t / 300000.0));
    const double mp = 134.96298 + t * (477198.867398 + t * (0.0086972 + t / 56250.0));
    const double f = 93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270.0));
    const double om = 125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000.0));
    double psi = 0;
    for (const NutationTerm& n : kNutation) {
        const double arg = n.d * d + n.m * m + n.mp * mp + n.f * f + n.om * om;
        psi += (n.psi0 + n.psi1 * t) * std::sin(Rad(arg));
    }
    return psi * 0.0001 / 3600.0;
}

}  // namespace

double DeltaTSeconds(double y) {
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * t * t * t * t +
               t * t * t * t * t / 233174.0;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
               0.00002373599 * t * t * t * t * t;
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double TtToUt(double jde) {
    const double year = 2000.0 + (jde - kJ2000) / 365.2425;
    return jde - DeltaTSeconds(year) / 86400.0;
}

double NewMoonJde(int k) {
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = Rad(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3);
    const double mp = Rad(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4);
    const double f = Rad(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    const double om = Rad(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3);
    using std::sin;
    jde += -0.40720 * sin(mp) + 0.17241 * e * sin(m) + 0.01608 * sin(2 * mp) + 0.01039 * sin(2 * f) +
           0.00739 * e * sin(mp - m) - 0.00514 * e * sin(mp + m) + 0.00208 * e * e * sin(2 * m) -
           0.00111 * sin(mp - 2 * f) - 0.00057 * sin(mp + 2 * f) + 0.00056 * e * sin(2 * mp + m) -
           0.00042 * sin(3 * mp) + 0.00042 * e * sin(m + 2 * f) + 0.00038 * e * sin(m - 2 * f) -
           0.00024 * e * sin(2 * mp - m) - 0.00017 * sin(om) - 0.00007 * sin(mp + 2 * m) +
           0.00004 * sin(2 * mp - 2 * f) + 0.00004 * sin(3 * m) + 0.00003 * sin(mp + m - 2 * f) +
           0.00003 * sin(2 * mp + 2 * f) - 0.00003 * sin(mp + m + 2 * f) + 0.00003 * sin(mp - m + 2 * f) -
           0.00002 * sin(mp - m - 2 * f) - 0.00002 * sin(3 * mp + m) + 0.00002 * sin(4 * mp);
    // Planetary arguments A1..A14.
    const double a[14][2] = {{299.77 + 0.107408 * k - 0.009173 * t2, 325}, {251.88 + 0.016321 * k, 165},
                             {251.83 + 26.651886 * k, 164},  {349.42 + 36.412478 * k, 126},
                             {84.66 + 18.206239 * k, 110},   {141.74 + 53.303771 * k, 62},
                             {207.14 + 2.453732 * k, 60},    {154.84 + 7.306860 * k, 56},
                             {34.52 + 27.261239 * k, 47},    {207.19 + 0.121824 * k, 42},
                             {291.34 + 1.844379 * k, 40},    {161.72 + 24.198154 * k, 37},
                             {239.56 + 25.513099 * k, 35},   {331.55 + 3.592518 * k, 23}};
    for (const auto& term : a) jde += term[1] * 1e-6 * sin(Rad(term[0]));
    return jde;
}

double ApparentSunLongitude(double jde) {
    const double tau = (jde - kJ2000) / 365250.0;
    const double t = tau * 10;
    const double l = Sum(kEarthLongitude, 6, tau);
    const double r = Sum(kEarthRadius, 5, tau);
    // Geocentric, then the FK5 frame, nutation and aberration.
    double theta = l * 180.0 / kPi + 180.0;
    theta += -0.09033 / 3600.0;
    theta += NutationInLongitude(t);
    theta += -20.4898 / 3600.0 / r;
    return Normalised(theta);
}

double SolarTermJde(int year, int index) {
    const double degrees = std::fmod(285.0 + 15.0 * index, 360.0);
    // Mean date: January 6 of the year plus index twenty-fourths of a year.
    const int a = (14 - 1) / 12, y = year + 4800 - a, m = 1 + 12 * a - 3;
    const double jan6 = 6 + (153 * m + 2) / 5 + 365.0 * y + y / 4 - y / 100 + y / 400 - 32045 - 0.5;
    double jde = jan6 + index * 365.242374 / 24.0;
    for (int i = 0; i < 30; ++i) {
        double diff = degrees - ApparentSunLongitude(jde);
        diff = std::fmod(diff + 540.0, 360.0) - 180.0;
        jde += diff * 365.242374 / 360.0;
        if (std::fabs(diff) < 1e-9) break;
    }
    return jde;
}

}  // namespace datagen
