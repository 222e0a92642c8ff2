#pragma once

#include "model/analysisreport.h"

#include <QScrollArea>

#include <vector>

class QLabel;

namespace velmora {

class NumberLabel;

// The widgets one report line is shown with, kept to be filled again in place.
struct ShownLine {
    QLabel *name = nullptr;
    std::vector<NumberLabel *> cells;
    QLabel *sentence = nullptr;
    QWidget *map = nullptr;      // the heat map of a panel, else none
    std::vector<QLabel *> tops;  // its column names
};

// The lines of an analysis report on a page that scrolls: a heading where the section changes,
// then each figure with its name, its cells and its sentence. A grid of up to four stages lies
// under the figure columns as M does in the main window; a larger one gets a heat map of its
// own, labelled by the column names on both sides, that scrolls sideways. Every number is fitted
// as the number fields fit theirs, never cut. A line's explanation is the tool tip of its name
// and sentence and the accessible description of all its parts. Controls are named after the
// line's key: "lambdaName", "lambdaValue0", "lambdaText", "elasticityMap".
class ReportView : public QScrollArea {
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);
    ~ReportView() override;

    // Shows these lines in their order, replacing what was shown. Lines laid out as the shown
    // ones (same figures, sizes and sections) are filled into the same controls.
    void showReport(const std::vector<ReportLine> &lines);

    // On a page much wider than its figures, keeps them together at the left instead of
    // spreading them over the width (the Analysis window's narrow page spreads its few pixels).
    void setKeepLeft(bool keepLeft) { m_keepLeft = keepLeft; }

private:
    void refill(const ReportLine &line, ShownLine &parts);

    bool m_keepLeft = false;
    std::vector<ReportLine> m_lines; // as shown
    std::vector<ShownLine> m_parts;  // one a line of m_lines
};

} // namespace velmora
