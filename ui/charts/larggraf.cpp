#include "larggraf.h"

#include "appfonts.h"
#include "chartbuilder.h"
#include "chartdata.h"
#include "handcursor.h"
#include "printing.h"
#include "twips.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>

namespace {

struct ButtonSpec {
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
    setWindowTitle(QStringLiteral("Graph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsSize(11544, 7584));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Listed in tab order; the chart takes its place between "Print" and "Age distribution".
    static const ButtonSpec specs[] = {
        {"Command1", "Population size", 120, 1575, true, &Larggraf::Command1_Click},
        {"Command2", "Growth rate", 1800, 1455, true, &Larggraf::Command2_Click},
        {"Command3", "Age structure", 3360, 1575, true, &Larggraf::Command3_Click},
        {"Command4", "N(t)-N(t-1)", 5040, 1335, true, &Larggraf::Command4_Click},
        {"Command5", "Quit", 10632, 855, true, &Larggraf::Command5_Click},
        {"Command6", "Go back", 9192, 1335, true, &Larggraf::Command6_Click},
        {"Command7", "Print", 8304, 780, true, &Larggraf::Command7_Click},
        {"Command8", "Age distribution", 6432, 1836, false, &Larggraf::Command8_Click},
    };
    QList<QWidget *> tabOrder;
    for (const ButtonSpec &spec : specs) {
        auto *button = new QPushButton(QString::fromLatin1(spec.caption), this);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setGeometry(twipsRect(spec.left, 7032, spec.width, 495));
        button->setFont(timesFont(12));
        if (spec.hand)
            button->setCursor(handCursor());
        connect(button, &QPushButton::clicked, this, spec.handler);
        tabOrder.append(button);
    }
    m_command4 = findChild<QPushButton *>(QStringLiteral("Command4"));

    m_chart = new QChartView(new QChart, this);
    m_chart->setObjectName(QStringLiteral("MSChart1"));
    m_chart->setGeometry(twipsRect(96, 96, 9708, 6636));
    tabOrder.insert(7, m_chart);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void Larggraf::draw(const ChartData &data)
{
    buildChart(*m_chart->chart(), data.grid, data.settings);
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
