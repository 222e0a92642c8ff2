#include "demography/shownstep.h"

#include "base/numbertext.h"

#include <cfloat>
#include <cmath>

namespace velmora {

namespace {

// Text of a value that must read back as a finite number; false where it would not.
bool shownAs(double value, std::string &text, double &shown)
{
    if (!std::isfinite(value))
        return false;
    text = numberText(value);
    const ReadResult back = strictValue(text);
    if (!back.ok())
        return false;
    shown = back.value;
    return true;
}

} // namespace

ShownStep shownStep(const Eigen::MatrixXd &a, const Eigen::VectorXd &n, const Eigen::VectorXd &h,
                    double previousTotal, double shownPreviousTotal)
{
    const Eigen::Index size = n.size();
    ShownStep step;
    step.texts.resize(size_t(size));
    step.values.assign(size_t(size), 0.0);
    bool representable = true;
    for (Eigen::Index r = 0; r < size && representable; ++r) {
        // Summed one column after the other, never vectorised: the shown digits rest on the order.
        double s = 0.0;
        for (Eigen::Index c = 0; c < size; ++c)
            s += a(r, c) * n(c);
        const size_t i = size_t(r);
        representable = shownAs(s - h(r), step.texts[i], step.values[i]);
        if (step.values[i] < 0) {
            step.texts[i] = "0";
            step.values[i] = 0.0;
        }
        step.total += step.values[i];
    }
    representable = representable && shownAs(step.total, step.totalText, step.shownTotal);
    step.ended = !(previousTotal > 0);
    if (representable && !step.ended) {
        const double ratio = step.total / previousTotal;
        double shownRatio = 0.0;
        representable = std::isfinite(ratio) && std::fabs(ratio) <= FLT_MAX
                        && shownPreviousTotal != 0.0
                        && shownAs(step.shownTotal / shownPreviousTotal, step.growthText, shownRatio);
        step.growthRate = static_cast<float>(ratio);
    }
    step.representable = representable;
    return step;
}

} // namespace velmora
