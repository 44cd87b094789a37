// The host's angle and matrix arithmetic: our own sine and cosine, degree
// conversion and the three matrix concatenations, which must place an
// instance as the generator expects and give the same bits everywhere.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "sim/real_math.h"

namespace {

using sim::PointD;

TEST(RealMathTrig, SinAndCosAgreeWithTheSystemLibrary) {
  const double angles[] = {0.0, 1e-300, -1e-8, 1e-4, 0.1, 0.5, 0.7853981633974483, 0.7853981633974484,
                           1.0, 1.5707963267948966, 2.0, 2.356194490192345, 3.0, 3.141592653589793,
                           -3.141592653589793, 4.0, 4.71238898038469, 5.5, 6.283185307179586, 10.0,
                           -0.7, -3.9, 100.0, 1000.0, -1000.0, 12345.678, -98765.4321, 1.5e6};
  for (double x : angles) {
    EXPECT_NEAR(sim::Sin(x), std::sin(x), 1e-15) << "sin " << x;
    EXPECT_NEAR(sim::Cos(x), std::cos(x), 1e-15) << "cos " << x;
    double s, c;
    sim::SinCos(x, &s, &c);
    EXPECT_EQ(s, sim::Sin(x));
    EXPECT_EQ(c, sim::Cos(x));
  }
}

TEST(RealMathTrig, QuadrantsHaveTheRightSigns) {
  // One angle in the middle of each quadrant, both turning directions.
  const struct {
    double angle;
    int sinSign, cosSign;
  } cases[] = {{0.8, 1, 1}, {2.4, 1, -1}, {3.9, -1, -1}, {5.5, -1, 1},
               {-0.8, -1, 1}, {-2.4, -1, -1}, {-3.9, 1, -1}, {-5.5, 1, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(std::signbit(sim::Sin(c.angle)), c.sinSign < 0) << c.angle;
    EXPECT_EQ(std::signbit(sim::Cos(c.angle)), c.cosSign < 0) << c.angle;
  }
}

TEST(RealMathTrig, HugeAndNonFiniteAngles) {
  // Far out the value may drift from the true one, but it stays a sine.
  for (double x : {1e7, -3.3e12, 1e30, 3.4028234663852886e38}) {
    const double s = sim::Sin(x), c = sim::Cos(x);
    EXPECT_LE(std::fabs(s), 1.0) << x;
    EXPECT_LE(std::fabs(c), 1.0) << x;
    EXPECT_NEAR(s * s + c * c, 1.0, 1e-12) << x;
  }
  for (double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_TRUE(std::isnan(sim::Sin(x)));
    EXPECT_TRUE(std::isnan(sim::Cos(x)));
  }
}

// Expected values are the exact results rounded once to single precision,
// computed independently with 200-bit arithmetic: any platform that gives
// other bits is not reproducing the host.
TEST(RealMathDegrees, DegreeToRadianIsCorrectlyRounded) {
  const struct {
    float degrees;
    float radians;
  } cases[] = {{0.0f, 0.0f},
               {90.0f, 0x1.921fb6p+0f},
               {180.0f, 0x1.921fb6p+1f},
               {-45.0f, -0x1.921fb6p-1f},
               {360.0f, 0x1.921fb6p+2f},
               {0.5f, 0x1.1df46ap-7f},
               {0.001f, 0x1.24d152p-16f},
               {12345.5f, 0x1.aef072p+7f},
               {-720.25f, -0x1.924374p+3f}};
  for (const auto& c : cases) EXPECT_EQ(sim::DegreeToRadian(c.degrees), c.radians) << c.degrees;
}

TEST(RealMathMatrix, RotationGivesTheSameBitsAsExactArithmetic) {
  const struct {
    RealMatrix before;
    float angle;
    RealMatrix after;
  } cases[] = {
      {{1, 0, 0, 1, 0, 0}, 0.5f, {0x1.c15280p-1f, 0x1.eaee88p-2f, -0x1.eaee88p-2f, 0x1.c15280p-1f, 0, 0}},
      {{2, 0, 0, 0.5f, 10, -3}, 0x1.333334p+0f,
       {0x1.730de6p-1f, 0x1.dd343ap+0f, -0x1.dd343ap-2f, 0x1.730de6p-3f, 0x1.9adc46p+2f, 0x1.077758p+3f}},
      {{1, 0, 0, 1, 100, 100}, -2.5f,
       {-0x1.9a2f7ep-1f, -0x1.326af0p-1f, 0x1.326af0p-1f, -0x1.9a2f7ep-1f, -0x1.44463cp+4f, -0x1.17ec54p+7f}},
      {{0.75f, 0.25f, -1.5f, 3, 7.5f, -12.25f}, 3.0f,
       {-0x1.8e3872p-1f, -0x1.221da6p-3f, 0x1.0fc6e6p+0f, -0x1.97408ep+1f, -0x1.6c8eeep+2f, 0x1.a5f224p+3f}},
      {{1, 0, 0, 1, 0, 0}, 1000.0f, {0x1.1ff026p-1f, 0x1.a75cc2p-1f, -0x1.a75cc2p-1f, 0x1.1ff026p-1f, 0, 0}},
  };
  for (const auto& c : cases) {
    RealMatrix m = c.before;
    sim::ConcatRotate(m, c.angle);
    EXPECT_EQ(sim::MatrixText(m), sim::MatrixText(c.after)) << "angle " << c.angle;
  }
}

// Where the matrix takes a point of the symbol's own (centred) frame.
void ExpectMaps(const RealMatrix& m, double x, double y, double px, double py, const char* what) {
  const PointD p = sim::Apply(m, x, y);
  EXPECT_NEAR(p.x, px, 1e-4) << what << ": (" << x << ", " << y << ")";
  EXPECT_NEAR(p.y, py, 1e-4) << what << ": (" << x << ", " << y << ")";
}

TEST(RealMathMatrix, ScaleRotateTranslatePlacesTheCentreAndTurnsTheStretchedShape) {
  // An instance made at the origin, scaled 2 x 0.5, turned a quarter turn,
  // then moved to (100, 50), as the generator does it.
  RealMatrix m = sim::kIdentityMatrix;
  sim::ConcatScale(m, 2, 0.5f);
  sim::ConcatRotate(m, sim::DegreeToRadian(90));
  sim::ConcatTranslate(m, 100, 50);
  ExpectMaps(m, 0, 0, 100, 50, "the centre lands on the translation");
  // Stretched along the symbol's own x axis (by 2), which then points up.
  ExpectMaps(m, 1, 0, 100, 52, "own x axis");
  // Squeezed along its own y axis (by 0.5), which then points left.
  ExpectMaps(m, 0, 1, 99.5, 50, "own y axis");
}

TEST(RealMathMatrix, EachConcatenationComesAfterTheOnesBefore) {
  const float quarter = sim::DegreeToRadian(90);
  const struct {
    const char* what;
    void (*build)(RealMatrix&, float);
    double x, y, px, py;
  } cases[] = {
      {"a positive angle turns counterclockwise (x axis to y axis)",
       [](RealMatrix& m, float q) { sim::ConcatRotate(m, q); }, 1, 0, 0, 1},
      {"a quarter turn takes the y axis to minus x",
       [](RealMatrix& m, float q) { sim::ConcatRotate(m, q); }, 0, 1, -1, 0},
      {"30 degrees lifts the x axis", [](RealMatrix& m, float) { sim::ConcatRotate(m, sim::DegreeToRadian(30)); },
       1, 0, 0.8660254, 0.5},
      {"a move then a turn turns the move too",
       [](RealMatrix& m, float q) {
         sim::ConcatTranslate(m, 10, 0);
         sim::ConcatRotate(m, q);
       },
       0, 0, 0, 10},
      {"a move then a scale scales the move",
       [](RealMatrix& m, float) {
         sim::ConcatTranslate(m, 10, 4);
         sim::ConcatScale(m, 3, -0.5f);
       },
       1, 1, 33, -2.5},
      {"a turn then a scale stretches along the page axes",
       [](RealMatrix& m, float q) {
         sim::ConcatRotate(m, q);
         sim::ConcatScale(m, 2, 1);
       },
       0, 1, -2, 0},
      {"moves add up", [](RealMatrix& m, float) {
         sim::ConcatTranslate(m, 1.5f, -2);
         sim::ConcatTranslate(m, -0.5f, 7);
       },
       2, 3, 3, 8},
  };
  for (const auto& c : cases) {
    RealMatrix m = sim::kIdentityMatrix;
    c.build(m, quarter);
    ExpectMaps(m, c.x, c.y, c.px, c.py, c.what);
  }
}

TEST(RealMathMatrix, InstanceMatrixStartsAsTheCentreTranslation) {
  RealMatrix m = sim::TranslationMatrix(12, -3);
  sim::ConcatScale(m, 2, 2);
  // Scaling about the origin moves an instance that is not at the origin.
  ExpectMaps(m, 0, 0, 24, -6, "scaled translation");
}

TEST(RealMathText, RealsReadBackExactly) {
  const float values[] = {0.0f, -0.0f, 1.0f, 0.1f, -2.5f, 1e30f, 1.17549435e-38f, 1e-45f, 3.4028235e38f,
                          100.12345f, 1.0f / 3.0f, 16777217.0f};
  for (float value : values) {
    const std::string text = sim::RealText(value);
    const float back = std::strtof(text.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    EXPECT_LE(text.size(), sim::kRealTextMax) << text;
  }
  EXPECT_EQ(sim::RealText(0.1f), "0.1");
  EXPECT_EQ(sim::RealText(-2.0f), "-2");
  EXPECT_EQ(sim::RealText(std::numeric_limits<float>::quiet_NaN()), "nan");
  EXPECT_EQ(sim::RealText(-std::numeric_limits<float>::infinity()), "-inf");
  EXPECT_EQ(sim::MatrixText({1, 0, 0, 1, 0.25f, -3}), "[1 0 0 1 0.25 -3]");
}

}  // namespace
