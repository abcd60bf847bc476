// "zellua.numeric": decomposition and inversion of 4x4 transforms of row vectors.
#include "zellua/numeric/Numeric.h"

#include <cmath>

#include <boost/numeric/ublas/lu.hpp>

extern "C" {
#include <lauxlib.h>
}

#include "limner/src/RowNumbers.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"

namespace zellua::numeric {

namespace ublas = boost::numeric::ublas;

namespace {

void ReportMatrixCount() { ZELLUA_FAIL("matData.size() == 16"); }

// The 16 numbers of the argument, row by row, with no C++ object alive when the count error is
// raised. False (nothing read) when nil is on top of the stack.
bool ReadNumbers(lua_State* L, int index, double (&values)[16]) {
  luaL_checktype(L, index, LUA_TTABLE);
  if (lua_isnil(L, -1)) return false;
  if (limner::CollectRowNumbers(L, index, values, 16) != 16) {
    ReportMatrixCount();
    luaL_error(L, "incorrect number of values for MatrixF32");
    return false;
  }
  return true;
}

Matrix FromNumbers(const double (&values)[16]) {
  Matrix matrix(4, 4);
  for (int k = 0; k < 16; ++k) matrix(k / 4, k % 4) = values[k];
  return matrix;
}

// The determinant from an LU factorisation with partial pivoting; 0 when it is singular.
double Determinant(const Matrix& m) {
  Matrix lu(m);
  ublas::permutation_matrix<std::size_t> pivots(lu.size1());
  if (ublas::lu_factorize(lu, pivots) != 0) return 0.0;
  double determinant = 1.0;
  for (std::size_t i = 0; i < lu.size1(); ++i) {
    determinant *= lu(i, i);
    if (pivots(i) != i) determinant = -determinant;
  }
  return determinant;
}

Vector Row3(const Matrix& m, std::size_t row) {
  Vector v(3);
  for (std::size_t c = 0; c < 3; ++c) v(c) = m(row, c);
  return v;
}

void PushVector(lua_State* L, const Vector& v) {
  lua_checkstack(L, 2);
  lua_createtable(L, static_cast<int>(v.size()), 0);
  for (std::size_t i = 0; i < v.size(); ++i) {
    lua_pushnumber(L, v(i));
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
}

// unmatrix(m): translation, rotation, scale, shear and perspective tables; nothing when m cannot
// be decomposed.
int Unmatrix(lua_State* L) {
  double values[16];
  if (!ReadNumbers(L, 1, values)) return 0;
  Vector translation, rotation, scale, shear, perspective;
  if (!DecomposeTransform(FromNumbers(values), translation, rotation, scale, shear, perspective)) return 0;
  for (const Vector* v : {&translation, &rotation, &scale, &shear, &perspective}) PushVector(L, *v);
  return 5;
}

// invertMatrix(m): what "zellua_CreateNewTransformMatrix" makes of the inverse's 16 numbers (or
// its error value); nothing when m is singular.
int InvertMatrixLua(lua_State* L) {
  double values[16];
  if (!ReadNumbers(L, 1, values)) return 0;
  Matrix inverse;
  if (!InvertMatrix(FromNumbers(values), inverse)) return 0;
  luaL_checkstack(L, 17, "invertMatrix");
  lua_getfield(L, LUA_GLOBALSINDEX, "zellua_CreateNewTransformMatrix");
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 4; ++c) lua_pushnumber(L, inverse(r, c));
  lua_pcall(L, 16, 1, 0);
  return 1;
}

const luaL_Reg kFunctions[] = {{"unmatrix", Unmatrix}, {"invertMatrix", InvertMatrixLua}, {nullptr, nullptr}};

}  // namespace

int OpenLuaNumeric(lua_State* L) {
  lua_checkstack(L, 2);
  lua_newtable(L);
  binding::RegisterFunctions(L, kFunctions);
  lua_setfield(L, -2, "numeric");
  return 1;
}

bool GetBlasMatrix4FromLua(lua_State* L, int index, Matrix& matrix) {
  double values[16];
  if (!ReadNumbers(L, index, values)) return false;
  matrix = FromNumbers(values);
  return true;
}

Vector Vector3Cross(const Vector& a, const Vector& b) {
  ZELLUA_ASSERT(a.size() == 3, Vector(3, 0.0));
  ZELLUA_ASSERT(b.size() == 3, Vector(3, 0.0));
  Vector cross(3);
  cross(0) = a(1) * b(2) - a(2) * b(1);
  cross(1) = a(2) * b(0) - a(0) * b(2);
  cross(2) = a(0) * b(1) - a(1) * b(0);
  return cross;
}

bool InvertMatrix(const Matrix& m, Matrix& inverse) {
  Matrix lu(m);
  ublas::permutation_matrix<std::size_t> pivots(lu.size1());
  if (ublas::lu_factorize(lu, pivots) != 0) return false;
  inverse = ublas::identity_matrix<double>(lu.size1());
  ublas::lu_substitute(lu, pivots, inverse);
  return true;
}

bool DecomposeTransform(const Matrix& m, Vector& translation, Vector& rotation, Vector& scale, Vector& shear,
                        Vector& perspective) {
  Matrix local(m);
  if (local(3, 3) == 0.0) return false;
  // Normalise so that element (3,3) is 1.
  const double corner = local(3, 3);
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 4; ++c) local(r, c) /= corner;

  // The perspective part, solved for with the upper 3x3 and the translation.
  Matrix persp(local);
  for (std::size_t r = 0; r < 3; ++r) persp(r, 3) = 0.0;
  persp(3, 3) = 1.0;
  if (Determinant(persp) == 0.0) ZELLUA_FAIL("0 && \"Bad perspective matrix\"", false);

  perspective = Vector(4);
  if (local(0, 3) != 0.0 || local(1, 3) != 0.0 || local(2, 3) != 0.0) {
    Vector rhs(4);
    for (std::size_t r = 0; r < 4; ++r) rhs(r) = local(r, 3);
    Matrix inverse;
    if (!InvertMatrix(persp, inverse)) return false;
    // The right-hand side as a row times the transposed inverse.
    perspective = ublas::prod(inverse, rhs);
    for (std::size_t r = 0; r < 3; ++r) local(r, 3) = 0.0;
    local(3, 3) = 1.0;
  } else {
    perspective(0) = perspective(1) = perspective(2) = 0.0;
    perspective(3) = 1.0;
  }

  translation = Vector(3);
  for (std::size_t c = 0; c < 3; ++c) {
    translation(c) = local(3, c);
    local(3, c) = 0.0;
  }

  Vector r0 = Row3(local, 0), r1 = Row3(local, 1), r2 = Row3(local, 2);
  scale = Vector(3);
  shear = Vector(3);  // xy, xz, yz

  scale(0) = ublas::norm_2(r0);
  r0 /= scale(0);
  shear(0) = ublas::inner_prod(r0, r1);
  r1 -= shear(0) * r0;

  scale(1) = ublas::norm_2(r1);
  r1 /= scale(1);
  shear(0) /= scale(1);

  shear(1) = ublas::inner_prod(r0, r2);
  r2 -= shear(1) * r0;
  shear(2) = ublas::inner_prod(r1, r2);
  r2 -= shear(2) * r1;

  scale(2) = ublas::norm_2(r2);
  r2 /= scale(2);
  shear(1) /= scale(2);
  shear(2) /= scale(2);

  // A left-handed frame is mirrored through the origin.
  if (ublas::inner_prod(r0, Vector3Cross(r1, r2)) < 0) {
    scale *= -1.0;
    r0 *= -1.0;
    r1 *= -1.0;
    r2 *= -1.0;
  }

  rotation = Vector(3);
  // Rounding can take the sine a hair past 1.
  rotation(1) = std::asin(std::fmax(-1.0, std::fmin(1.0, -r0(2))));
  if (std::cos(rotation(1)) != 0.0) {
    rotation(0) = std::atan2(r1(2), r2(2));
    rotation(2) = std::atan2(r0(1), r0(0));
  } else {
    rotation(0) = std::atan2(-r2(0), r1(1));
    rotation(2) = 0.0;
  }
  return true;
}

}  // namespace zellua::numeric
