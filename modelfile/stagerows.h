#pragma once

#include <Eigen/Core>

#include <string>
#include <vector>

namespace velmora {

// A stage name is shown in the life-cycle graph, the grids and the column heads of a table.
inline constexpr int kStageNameMaxLength = 50;

// What is wrong with one stage name, if anything.
enum class StageNameProblem {
    None,
    Empty,            // nothing but blanks
    SurroundingBlank, // begins or ends with a blank, so two names could look the same
    TooLong,          // more than kStageNameMaxLength characters
    ControlCharacter, // a line break, a tab or another control character
    NotUtf8,          // bytes that are not UTF-8 text
};

StageNameProblem stageNameProblem(const std::string &name);
// The problem in words, to follow the name: "a stage needs a name".
std::string stageNameProblemText(StageNameProblem problem);

// How reading a NAMES, ROWS or LIST text ended. `row` and `value` count from 1 and are 0
// where the problem is not in one of them; `problem` is empty when the text was read.
struct StageTextRead {
    std::string problem;
    int row = 0;
    int value = 0;

    bool ok() const { return problem.empty(); }
};

struct StageNamesRead : StageTextRead {
    std::vector<std::string> names;
};

struct StageRowsRead : StageTextRead {
    Eigen::MatrixXd matrix;
};

struct StageValuesRead : StageTextRead {
    Eigen::VectorXd values;
};

// NAMES: stage names separated by "," ("seeds, rosettes, flowering plants"), each without
// its surrounding blanks; 1 to kMaxStages names, each with its own name.
StageNamesRead readStageNames(const std::string &text);

// ROWS: an n x n matrix, rows separated by ";" and values by "," ("0,0;0.5,0.8"), row r
// holding what each stage gives stage r. Every value is a plain number, at least 0.
StageRowsRead readStageRows(const std::string &text, int stages);

// LIST: n values separated by "," (N(0) or H), plain numbers of at least 0.
StageValuesRead readStageValues(const std::string &text, int stages);

} // namespace velmora
