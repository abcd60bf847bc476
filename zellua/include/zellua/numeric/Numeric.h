#pragma once
// 4x4 transforms of row vectors for scripts (the table zellua.numeric): decomposition into
// translation, rotation, scale, shear and perspective, and inversion. Translation sits in row 3,
// perspective terms in column 3.
#ifndef BOOST_UBLAS_NDEBUG
#define BOOST_UBLAS_NDEBUG 1
#endif
#include <boost/numeric/ublas/matrix.hpp>
#include <boost/numeric/ublas/vector.hpp>

extern "C" {
#include <lua.h>
}

namespace zellua::numeric {

using Matrix = boost::numeric::ublas::matrix<double>;
using Vector = boost::numeric::ublas::vector<double>;

// With the "zellua" table on top: stores the table of matrix functions {unmatrix, invertMatrix}
// as its field "numeric"; returns 1.
int OpenLuaNumeric(lua_State* L);

// Reads the argument at index, a table whose table-valued fields hold 16 numbers in all (taken row
// by row): a table of four rows, or a table holding one table of 16. Not a table: argument error;
// another count: "incorrect number of values for MatrixF32". Nil on top of the stack: nothing is
// read, false. The errors are Lua errors: call it before any C++ object with a destructor is made
// (matrix included), or read into a matrix that outlives the call.
bool GetBlasMatrix4FromLua(lua_State* L, int index, Matrix& matrix);

// Splits the transform; translation, rotation (radians about x, y, z), scale and shear (xy, xz,
// yz) get 3 entries, perspective 4. False when it cannot be decomposed (element (3,3) is 0, or the
// perspective part is singular).
bool DecomposeTransform(const Matrix& m, Vector& translation, Vector& rotation, Vector& scale, Vector& shear,
                        Vector& perspective);
// False when m is singular.
bool InvertMatrix(const Matrix& m, Matrix& inverse);
// The cross product of two 3-vectors.
Vector Vector3Cross(const Vector& a, const Vector& b);

}  // namespace zellua::numeric
