#pragma once

#include <cstdint>
#include <random>

namespace velmora {

// Nearest integer to `value`; an exact half goes to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long roundHalfToEven(double value);

// The title screen's animation, without the window: every step draws one of the eight title
// labels. The generator has a fixed seed, so every run shows the same sequence.
class TitleAnimation {
public:
    static constexpr int kLabels = 8;

    struct Step {
        int hide; // the label the previous step showed (0 before the first step)
        int show; // the label this step shows
    };

    TitleAnimation();

    // A number drawn uniformly from [0, 1).
    double nextUniform();
    // Draws r, picks the label nearest to 7r and remembers it for the next step.
    Step next();
    int index() const { return m_index; }

private:
    std::mt19937_64 m_generator;
    int m_index = 0;
};

} // namespace velmora
