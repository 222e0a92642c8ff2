#include "ui/charts/larggraf.h"

#include "ui/common/appfonts.h"
#include "ui/charts/chartbuilder.h"
#include "ui/charts/chartdata.h"
#include "ui/charts/chartmenu.h"
#include "ui/common/dialogs.h"
#include "ui/common/handcursor.h"
#include "ui/common/placement.h"
#include "ui/common/printing.h"
#include "ui/common/twips.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QPushButton>

namespace velmora {

namespace {

struct ButtonPlace {
    const char *name;
    const char *caption;
    int left;
    int width;
    bool hand;
    void (Larggraf::*handler)();
};

} // namespace

Larggraf::Larggraf(const Module1 &history, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_history(history)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Larggraf"));
    setWindowTitle(tr("Graph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsSize(11544, 7584));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Listed in tab order; the chart takes its place between "Print" and "Age distribution".
    static const ButtonPlace buttons[] = {
        {"Command1", QT_TR_NOOP("Population size"), 120, 1575, true, &Larggraf::Command1_Click},
        {"Command2", QT_TR_NOOP("Growth rate"), 1800, 1455, true, &Larggraf::Command2_Click},
        {"Command3", QT_TR_NOOP("Age structure"), 3360, 1575, true, &Larggraf::Command3_Click},
        {"Command4", "N(t)-N(t-1)", 5040, 1335, true, &Larggraf::Command4_Click},
        {"Command5", QT_TR_NOOP("Quit"), 10632, 855, true, &Larggraf::Command5_Click},
        {"Command6", QT_TR_NOOP("Go back"), 9192, 1335, true, &Larggraf::Command6_Click},
        {"Command7", QT_TR_NOOP("Print"), 8304, 780, true, &Larggraf::Command7_Click},
        {"Command8", QT_TR_NOOP("Age distribution"), 6432, 1836, false, &Larggraf::Command8_Click},
    };
    QList<QWidget *> tabOrder;
    for (const ButtonPlace &entry : buttons) {
        auto *button = new QPushButton(tr(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setGeometry(twipsRect(entry.left, 7032, entry.width, 495));
        button->setFont(timesFont(12));
        if (entry.hand)
            button->setCursor(handCursor());
        // Enter presses the focused button too, not only Space.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, entry.handler);
        tabOrder.append(button);
    }
    m_command4 = findChild<QPushButton *>(QStringLiteral("Command4"));
    const std::pair<const char *, const char *> spoken[] = {
        {"Command1", QT_TR_NOOP("Population size: chart of the total N(t)")},
        {"Command2", QT_TR_NOOP("Growth rate: chart of N(t+1)/N(t)")},
        {"Command3", QT_TR_NOOP("Age structure: chart of every age class")},
        {"Command4", QT_TR_NOOP("N(t)-N(t-1): chart of the change")},
        {"Command8", QT_TR_NOOP("Age distribution: chart of the shares of the age classes")},
        {"Command7", QT_TR_NOOP("Print this page")},
        {"Command6", QT_TR_NOOP("Go back: back to the main window")},
        {"Command5", QT_TR_NOOP("Quit this program")},
    };
    for (const auto &[name, text] : spoken)
        findChild<QPushButton *>(QString::fromLatin1(name))->setAccessibleName(tr(text));

    m_chart = new QChartView(new QChart, this);
    m_chart->setObjectName(QStringLiteral("MSChart1"));
    m_chart->setGeometry(twipsRect(96, 96, 9708, 6636));
    tabOrder.insert(7, m_chart);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_chartMenu = new ChartMenu(*this, m_dialogs, [this](const QPoint *) { return m_chart; });

    centreOnScreen(this);
}

void Larggraf::saveChartAsImage()
{
    m_chartMenu->saveChartAsImage();
}

void Larggraf::copyChart()
{
    m_chartMenu->copyChart();
}

void Larggraf::draw(const ChartData &data)
{
    buildChart(*m_chart->chart(), data.grid, data.settings);
    // A screen reader names the chart by what it shows now.
    //: Read out by screen readers: %1 the chart's title, %2 and %3 its axis titles.
    m_chart->setAccessibleName(tr("Chart: %1, %2 over %3")
                                   .arg(data.settings.title, data.settings.yTitle,
                                        data.settings.xTitle));
}

void Larggraf::drawAgeStructure()
{
    draw(ageStructureChart(m_history));
}

void Larggraf::showagestructure()
{
    drawAgeStructure();
    m_command4->setFocus();
}

void Larggraf::ShowAgeDistribution()
{
    draw(ageDistributionChart(m_history));
}

void Larggraf::closeEvent(QCloseEvent *event)
{
    event->accept();
    hide();
    emit closedByCloseBox();
}

void Larggraf::Command1_Click()
{
    draw(populationSizeChart(m_history));
}

void Larggraf::Command2_Click()
{
    draw(growthRateChart(m_history));
}

void Larggraf::Command3_Click()
{
    showagestructure();
}

void Larggraf::Command4_Click()
{
    draw(changeChart(m_history));
}

void Larggraf::Command5_Click()
{
    emit quitRequested();
}

void Larggraf::Command6_Click()
{
    emit goBackRequested();
}

void Larggraf::Command7_Click()
{
    printWindow(this, m_dialogs);
}

void Larggraf::Command8_Click()
{
    ShowAgeDistribution();
}

} // namespace velmora
