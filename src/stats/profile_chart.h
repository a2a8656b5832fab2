#pragma once

#include <cstddef>
#include <span>

#include "reference/meas_file_data.h"

namespace klv {

enum class BoundDirection { Down, Up };

// x (stored unit) cut to its leading significant digit as the layer shows it, moved outward
// when digits were cut: 12.34 up is 20.00, down 10.00; 0.95 up is 1; -3.4 down is -4.0.
double LeadingDigitBound(double x, BoundDirection direction, const MeasFileData& d, int k);

// The walk over the values in data order, stored unit.
struct ProfileValues {
    std::size_t count = 0;
    double maximum = 0;
    double minimum = 0;
    double sum = 0;
    double first = 0;
    double last = 0;
};
ProfileValues WalkProfile(std::span<const double> values);

struct ProfileScale {
    double lower = 0;
    double upper = 0;
};
// The automatic vertical axis: the extremes' leading-digit bounds, slightly widened.
ProfileScale AutoProfileScale(const ProfileValues& v, const MeasFileData& d, int k);

// Pixel positions of the profile's points: data i of `count` across left … right (one value sits
// on the left edge), a value between the axis bounds over `height` pixels above `bottom`.
int ProfilePointX(int left, int right, std::size_t i, std::size_t count);
int ChartValueY(int bottom, int height, double value, double lower, double upper);

}  // namespace klv
