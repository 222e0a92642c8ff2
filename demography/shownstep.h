#pragma once

#include <Eigen/Core>

#include <string>
#include <vector>

namespace velmora {

// One projection step as the program shows it: N(t+1) = A N(t) - H, each stage summed over
// the columns in stage order, written in the program's number text and read back from it,
// negative stages set to 0. The steps of the main window and the analysis's projections
// both take it, so they can never differ.
struct ShownStep {
    bool representable = false;     // false: a value or the growth rate is beyond what is shown
    std::vector<std::string> texts; // N(t+1) as shown
    std::vector<double> values;     // the same, read back
    double total = 0.0;             // sum of `values`
    std::string totalText;
    double shownTotal = 0.0;        // `totalText` read back
    bool ended = false;             // N(t) was empty: the run had already ended
    float growthRate = 0.0f;        // total / previous total, in single precision
    std::string growthText;         // shown total / shown previous total
};

// `previousTotal` is the recorded total of N(t), `shownPreviousTotal` its shown text read back.
ShownStep shownStep(const Eigen::MatrixXd &a, const Eigen::VectorXd &n, const Eigen::VectorXd &h,
                    double previousTotal, double shownPreviousTotal);

} // namespace velmora
