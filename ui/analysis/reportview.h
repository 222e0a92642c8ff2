#pragma once

#include "model/analysisreport.h"

#include <QScrollArea>

#include <vector>

class QLabel;

namespace velmora {

class NumberLabel;

// The most stages whose heat maps get a label a cell; a larger map is painted whole
// (HeatMapPicture): 2 x 10,000 labels of a 100-stage cycle took a second to make.
constexpr int kLargestLabelledMap = 30;

// A heat map too large for a label a cell, painted: shaded cells with their figures, the
// column names along the top and the row names down the side. The cell under the pointer is
// named in its tool tip, as a label cell names itself to a screen reader.
class HeatMapPicture : public QWidget {
public:
    explicit HeatMapPicture(const ReportLine &line, QWidget *parent = nullptr);

    // Shows this line's figures, sized anew to them.
    void setLine(const ReportLine &line);
    // Where cell k (row k / n, column k % n) is painted.
    QRect cellRect(int k) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int cellAt(const QPoint &point) const; // -1 off the cells

    ReportLine m_line;
    int m_side = 0;   // width of the row names
    int m_top = 0;    // height of the column names
    int m_width = 0;  // of a cell
    int m_height = 0; // of a cell
};

// The widgets one report line is shown with, kept to be filled again in place.
struct ShownLine {
    QLabel *name = nullptr;
    std::vector<NumberLabel *> cells;
    QLabel *sentence = nullptr;
    QWidget *map = nullptr;      // the heat map of a panel, else none
    std::vector<QLabel *> tops;  // its column names
    HeatMapPicture *picture = nullptr; // the map, where it is painted
};

// The lines of an analysis report on a page that scrolls: a heading where the section changes,
// then each figure with its name, its cells and its sentence. A grid of up to four stages lies
// under the figure columns as M does in the main window; a larger one gets a heat map of its
// own, labelled by the column names on both sides, that scrolls sideways (painted whole
// beyond kLargestLabelledMap stages). Every number is fitted as the number fields fit theirs,
// never cut. A line's explanation is the tool tip of its name
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
