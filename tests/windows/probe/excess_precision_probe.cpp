// A float sum whose result tells single-precision arithmetic from x87
// excess precision: 2^24 + 1 is not a float, so in single precision the
// sum rounds back to 2^24 and the result is 0; kept in an 80-bit register
// the sum is exact and the result is 1. The tests read the compiled code of
// this function, built once with the project's options and once with x87
// arithmetic forced, to show that they can tell the two apart.
extern "C" float ProbeSum(const volatile float* a, const volatile float* b) {
  const float big = *a;  // 16777216 (2^24)
  const float one = *b;  // 1
  return big + one - big;
}
