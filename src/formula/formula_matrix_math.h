// Determinant and inverse of square matrices by LU decomposition with
// partial pivoting. Matrices are row-major with a given row stride.
#pragma once

// A matrix counts as singular when a pivot is no larger than
// n * DBL_EPSILON * (largest absolute element of the pivot's own row of the
// original matrix): at that size the pivot is rounding noise of the
// elimination, not information about the matrix. Judging each row by its
// own scale keeps badly scaled regular matrices (diagonal ones of any
// scale) regular.

// Determinant of the n x n matrix `a`; 0 for a singular matrix.
double MatrixDeterminant(const double* a, int n, int stride);

// Inverse of the n x n matrix `a` into `inverse` (same stride). False, and
// `inverse` untouched, for a singular matrix.
bool MatrixInverse(const double* a, int n, int stride, double* inverse);
