#include "formula/formula_matrix_math.h"

#include <cfloat>
#include <cmath>
#include <utility>

#include "table/matrix_entry.h"

namespace {

struct Lu {
  double a[MATRIX_MAX_DIM][MATRIX_MAX_DIM];
  double rowScale[MATRIX_MAX_DIM];  // largest absolute element of each original row
  int perm[MATRIX_MAX_DIM];
  int n = 0;
  int sign = 1;
};

// Factor P·A = L·U in place (L below the diagonal with a unit diagonal, U
// on and above it). The pivot of each column is the element that is
// largest relative to its own row's scale. False when a pivot is no larger
// than n * DBL_EPSILON * the largest absolute element of its own row of the
// original matrix: scaling a row does not make a matrix singular, so each
// pivot is judged against its own row.
bool Factor(const double* a, int n, int stride, Lu* lu) {
  if (n < 1 || n > MATRIX_MAX_DIM) return false;
  lu->n = n;
  lu->sign = 1;
  for (int i = 0; i < n; ++i) {
    lu->perm[i] = i;
    double scale = 0.0;
    for (int j = 0; j < n; ++j) {
      lu->a[i][j] = a[i * stride + j];
      scale = std::fmax(scale, std::fabs(lu->a[i][j]));
    }
    // A zero row, or one holding an infinity or NaN, has no usable pivot.
    if (!(scale > 0.0) || !std::isfinite(scale)) return false;
    lu->rowScale[i] = scale;
  }
  for (int k = 0; k < n; ++k) {
    int pivot = k;
    double best = std::fabs(lu->a[k][k]) / lu->rowScale[lu->perm[k]];
    for (int i = k + 1; i < n; ++i) {
      const double relative = std::fabs(lu->a[i][k]) / lu->rowScale[lu->perm[i]];
      if (relative > best) {
        best = relative;
        pivot = i;
      }
    }
    const double tolerance = n * DBL_EPSILON * lu->rowScale[lu->perm[pivot]];
    if (!(std::fabs(lu->a[pivot][k]) > tolerance)) return false;
    if (pivot != k) {
      for (int j = 0; j < n; ++j) std::swap(lu->a[pivot][j], lu->a[k][j]);
      std::swap(lu->perm[pivot], lu->perm[k]);
      lu->sign = -lu->sign;
    }
    const double diagonal = lu->a[k][k];
    for (int i = k + 1; i < n; ++i) {
      const double factor = lu->a[i][k] / diagonal;
      lu->a[i][k] = factor;
      if (factor == 0.0) continue;
      for (int j = k + 1; j < n; ++j) lu->a[i][j] -= factor * lu->a[k][j];
    }
  }
  return true;
}

}  // namespace

double MatrixDeterminant(const double* a, int n, int stride) {
  Lu lu;
  if (!Factor(a, n, stride, &lu)) return 0.0;
  double det = lu.sign;
  for (int k = 0; k < n; ++k) det *= lu.a[k][k];
  return det;
}

bool MatrixInverse(const double* a, int n, int stride, double* inverse) {
  Lu lu;
  if (!Factor(a, n, stride, &lu)) return false;
  double column[MATRIX_MAX_DIM];
  for (int c = 0; c < n; ++c) {
    // Solve L·U·x = P·e_c.
    for (int i = 0; i < n; ++i) {
      double sum = lu.perm[i] == c ? 1.0 : 0.0;
      for (int j = 0; j < i; ++j) sum -= lu.a[i][j] * column[j];
      column[i] = sum;
    }
    for (int i = n - 1; i >= 0; --i) {
      double sum = column[i];
      for (int j = i + 1; j < n; ++j) sum -= lu.a[i][j] * column[j];
      column[i] = sum / lu.a[i][i];
    }
    for (int i = 0; i < n; ++i) inverse[i * stride + c] = column[i];
  }
  return true;
}
