// Arithmetic of the expression helpers: the wider operand type decides the result's precision.
#include "statements/expressions.h"

#include <algorithm>
#include <cmath>

namespace {

double Apply(char operation, double left, double right) {
  switch (operation) {
    case '+': return left + right;
    case '-': return left - right;
    default: return left * right;
  }
}

bool Fits(NumberType type, double value) {
  switch (type) {
    case NumberType::Integer16: return value >= -32768 && value <= 32767;
    case NumberType::Integer32: return value >= -2147483648.0 && value <= 2147483647.0;
    default: return true;
  }
}

}  // namespace

Number Arithmetic(char operation, const Number& left, const Number& right) {
  NumberType type = std::max(left.type, right.type);
  double value = Apply(operation, left.value, right.value);
  CheckFloatingPoint();
  if (!Fits(type, value)) type = Fits(NumberType::Integer32, value) ? NumberType::Integer32 : NumberType::Double;
  if (type == NumberType::Single) value = StoreSingle(value);
  return {type, value};
}
