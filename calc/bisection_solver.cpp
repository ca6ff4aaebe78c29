#include "bisection_solver.h"

SolveResult solveHead(double Q, double BW, double XL, double XU)
{
    return bisectHead(FN1, Q, BW, XL, XU);
}
