#include "weir_residual.h"

#include <cmath>

double FN1(double X, double A0, double b)
{
    const double r = X / b;
    const double s = std::sqrt(r);
    const double k = 1.0 - s / 10.0;   // end-contraction factor, 0.9 when h = b
    const double t1 = 0.0012 / X;      // correction for low heads
    const double t2 = 1 + t1;
    const double t3 = 1.838 * t2;
    const double t4 = t3 * k;
    const double t5 = t4 * b;
    const double p = std::pow(X, 1.5);
    const double t6 = t5 * p;
    return t6 - A0;
}
