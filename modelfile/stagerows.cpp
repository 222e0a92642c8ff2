#include "modelfile/stagerows.h"

#include "demography/stagemodel.h"
#include "base/numbertext.h"
#include "base/texts.h"

#include <set>

namespace velmora {

namespace {

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A value or name typed over several lines keeps its line breaks around it.
std::string trimmed(const std::string &text) { return trimmedBlanks(text, true); }

// The code points of UTF-8 text, or nothing when the bytes are not UTF-8 (overlong forms,
// surrogates and values past U+10FFFF included).
bool decodeUtf8(const std::string &text, std::vector<char32_t> &codePoints)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                         : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + size_t(length) > text.size())
            return false;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        codePoints.push_back(c);
        i += size_t(length);
    }
    return true;
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// One value of a ROWS or LIST text; `at` says where it stands ("row 2, value 1").
bool readValue(const std::string &text, const std::string &at, double &value, std::string &problem)
{
    const std::string shown = trimmed(text);
    if (shown.empty()) {
        problem = filledText(translatedText("ModelFileText", "%1 is empty"), {at});
        return false;
    }
    const ReadResult read = strictValue(shown);
    if (read.status == ReadStatus::NotANumber) {
        problem = filledText(translatedText("ModelFileText", "%1: \"%2\" is not a number"), {at, shown});
        return false;
    }
    // The program writes each value as its number text: that text must read back.
    if (!read.ok() || !strictValue(numberText(read.value)).ok()) {
        problem = filledText(translatedText("ModelFileText", "%1: %2 is too large for the program"), {at, shown});
        return false;
    }
    if (read.value < 0) {
        problem = filledText(translatedText("ModelFileText", "%1: %2 is below 0; rates and numbers "
                                                              "of animals are at least 0"),
                             {at, shown});
        return false;
    }
    value = read.value;
    return true;
}

std::string stagesText(int stages)
{
    return stages == 1 ? translatedText("ModelFileText", "1 stage")
                       : filledText(translatedText("ModelFileText", "%1 stages"), {std::to_string(stages)});
}

// "1 value", "3 values".
std::string valuesText(size_t values)
{
    return values == 1 ? translatedText("ModelFileText", "1 value")
                       : filledText(translatedText("ModelFileText", "%1 values"), {std::to_string(values)});
}

bool stageCountProblem(int stages, StageTextRead &read)
{
    if (stages >= 1 && stages <= kMaxStages)
        return false;
    read.problem = filledText(translatedText("ModelFileText", "a model has 1 to %1 stages, not %2"),
                              {std::to_string(kMaxStages), std::to_string(stages)});
    return true;
}

// Reads `parts` into values; `row` names the row ("row 2") where there is one.
template<typename Values>
bool readValues(const std::vector<std::string> &parts, const std::string &row, Values &&values,
                StageTextRead &read)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        double value = 0;
        const std::string number = std::to_string(i + 1);
        //: Where a value stands: "row 2, value 1"; %1 is the row ("row 2").
        const std::string at =
            row.empty() ? filledText(translatedText("ModelFileText", "value %1"), {number})
                        : filledText(translatedText("ModelFileText", "%1, value %2"), {row, number});
        if (!readValue(parts[i], at, value, read.problem)) {
            read.value = int(i) + 1;
            return false;
        }
        values(Eigen::Index(i)) = value;
    }
    return true;
}

} // namespace

StageNameProblem stageNameProblem(const std::string &name)
{
    std::vector<char32_t> codePoints;
    if (!decodeUtf8(name, codePoints))
        return StageNameProblem::NotUtf8;
    if (trimmed(name).empty())
        return StageNameProblem::Empty;
    for (const char32_t c : codePoints) {
        if (isControl(c))
            return StageNameProblem::ControlCharacter;
    }
    if (codePoints.front() == ' ' || codePoints.back() == ' ')
        return StageNameProblem::SurroundingBlank;
    if (codePoints.size() > size_t(kStageNameMaxLength))
        return StageNameProblem::TooLong;
    return StageNameProblem::None;
}

std::string stageNameProblemText(StageNameProblem problem)
{
    switch (problem) {
    case StageNameProblem::None: break;
    case StageNameProblem::Empty: return translatedText("ModelFileText", "a stage needs a name");
    case StageNameProblem::SurroundingBlank:
        return translatedText("ModelFileText", "a stage name must not begin or end with a blank");
    case StageNameProblem::TooLong:
        return filledText(translatedText("ModelFileText",
                                         "a stage name must be at most %1 characters long"),
                          {std::to_string(kStageNameMaxLength)});
    case StageNameProblem::ControlCharacter:
        return translatedText("ModelFileText",
                              "a stage name must be one line without tabs or control characters");
    case StageNameProblem::NotUtf8:
        return translatedText("ModelFileText", "a stage name must be UTF-8 text");
    }
    return {};
}

StageNamesRead readStageNames(const std::string &text)
{
    StageNamesRead read;
    const std::vector<std::string> parts = split(text, ',');
    if (parts.size() > size_t(kMaxStages)) {
        //: %2 is a number of stages ("100 stages").
        read.problem = filledText(translatedText("ModelFileText", "%1 names: the program takes at most %2"),
                                  {std::to_string(parts.size()), stagesText(kMaxStages)});
        return read;
    }
    std::set<std::string> seen;
    std::vector<std::string> names;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string name = trimmed(parts[i]);
        const std::string at =
            filledText(translatedText("ModelFileText", "name %1"), {std::to_string(i + 1)});
        if (const StageNameProblem problem = stageNameProblem(name); problem != StageNameProblem::None)
            read.problem = at + ": " + stageNameProblemText(problem);
        else if (!seen.insert(name).second)
            read.problem = filledText(translatedText("ModelFileText",
                                                     "%1 (\"%2\") is an earlier name as well: each "
                                                     "stage needs a name of its own"),
                                      {at, name});
        if (!read.ok()) {
            read.value = int(i) + 1;
            return read;
        }
        names.push_back(name);
    }
    read.names = std::move(names);
    return read;
}

StageRowsRead readStageRows(const std::string &text, int stages)
{
    StageRowsRead read;
    if (stageCountProblem(stages, read))
        return read;
    const std::vector<std::string> rows = split(text, ';');
    if (rows.size() != size_t(stages)) {
        const std::string given =
            rows.size() == 1 ? translatedText("ModelFileText", "1 row")
                             : filledText(translatedText("ModelFileText", "%1 rows"),
                                          {std::to_string(rows.size())});
        //: %1 is a number of rows ("3 rows"), %2 one of stages ("2 stages").
        read.problem = filledText(translatedText("ModelFileText", "%1 for %2: one row for each "
                                                                  "stage, separated by \";\""),
                                  {given, stagesText(stages)});
        return read;
    }
    Eigen::MatrixXd matrix(stages, stages);
    for (int r = 0; r < stages; ++r) {
        const std::string row =
            filledText(translatedText("ModelFileText", "row %1"), {std::to_string(r + 1)});
        const std::vector<std::string> parts = split(rows[size_t(r)], ',');
        if (parts.size() != size_t(stages)) {
            //: %1 is the row ("row 2"), %2 a number of values, %3 one of stages.
            read.problem = filledText(translatedText("ModelFileText", "%1 holds %2 for %3: one for "
                                                                      "each stage, separated by \",\""),
                                      {row, valuesText(parts.size()), stagesText(stages)});
            read.row = r + 1;
            return read;
        }
        if (!readValues(parts, row, matrix.row(r), read)) {
            read.row = r + 1;
            return read;
        }
    }
    read.matrix = std::move(matrix);
    return read;
}

StageValuesRead readStageValues(const std::string &text, int stages)
{
    StageValuesRead read;
    if (stageCountProblem(stages, read))
        return read;
    const std::vector<std::string> parts = split(text, ',');
    if (parts.size() != size_t(stages)) {
        //: %1 is a number of values ("3 values"), %2 one of stages ("2 stages").
        read.problem = filledText(translatedText("ModelFileText", "%1 for %2: one for each stage, "
                                                                  "separated by \",\""),
                                  {valuesText(parts.size()), stagesText(stages)});
        return read;
    }
    Eigen::VectorXd values(stages);
    if (readValues(parts, "", values, read))
        read.values = std::move(values);
    return read;
}

} // namespace velmora
