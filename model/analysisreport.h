#pragma once

#include "demography/analysis.h"

#include <string>
#include <vector>

namespace velmora {

// One figure of the analysis in words, as the Analysis window and the command line show it.
struct ReportLine {
    std::string key;                // stable name of the figure ("lambda", "equilibrium", ...)
    std::string label;              // what the figure is
    std::vector<std::string> cells; // one value, or one per age class (and the total of N*)
    std::string text;               // a sentence instead of the cells, or a remark after them
    std::string section{};          // heading of the group of figures the line belongs to
    std::vector<std::string> columns{}; // what the cells are, where there are several of them
    // An n x n grid laid out like the matrix (gridSize = n): then the n * n cells are row by
    // row, each with its size as a share of the grid's largest (0..1), for a heat map.
    std::vector<double> shades{};
    int gridSize = 0;
    // What the figure tells, in one line a student understands (hover, `analyse --explain`).
    std::string explanation{};

    bool isGrid() const { return gridSize > 0; }
};

// The column names of a line with one cell per age class and the total, in the reader's
// language.
std::vector<std::string> classColumns();

// A figure to 6 significant digits in the program's text form ("1.21985", "2E-05").
std::string figureText(double value);

// "(a, b, c, d)" with every value as figureText.
std::string vectorText(const Vector4 &values);
std::string vectorText(const Eigen::VectorXd &values);

// The figures of an analysis of a life cycle of any size, in the order they are shown; the
// main window's model words them by age class and vital rate. Labels, sentences and column
// names come in the reader's language (translatedText); keys and figures never change.
// Under an EnglishTexts they are the English words, as `--json` prints them.
std::vector<ReportLine> analysisReport(const LifeCycleAnalysis &analysis);
std::vector<ReportLine> analysisReport(const ModelAnalysis &analysis);

// Short names of the verdicts for machine-readable output ("grows", "reachesZero", ...).
const char *verdictName(Verdict verdict);

} // namespace velmora
