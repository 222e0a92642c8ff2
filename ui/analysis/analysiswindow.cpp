#include "ui/analysis/analysiswindow.h"

#include "base/numbertext.h"
#include "ui/analysis/reportview.h"
#include "ui/common/placement.h"
#include "model/simulation.h"
#include "ui/common/appfonts.h"
#include "ui/common/colours.h"
#include "ui/common/handcursor.h"
#include "ui/common/labels.h"
#include "ui/common/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace velmora {

namespace {

QString listText(const double *values, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString::fromStdString(numberText(values[i]));
    return parts.join(QStringLiteral(", "));
}

} // namespace

AnalysisWindow::AnalysisWindow(Simulation &simulation, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_simulation(simulation)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Analysis"));
    setWindowTitle(tr("Analysis"));
    setFixedSize(twipsSize(12000, 10200));
    setWindowBackground(this);
    buildControls();
    centreOnScreen(this);
}

void AnalysisWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(240), twips(120), twips(240), twips(180));
    layout->setSpacing(twips(45));

    QLabel *title = makeLabel(this, QStringLiteral("titleLabel"), timesFont(20, true), titleBlue());
    title->setText(tr("Model analysis"));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    m_model = makeLabel(this, QStringLiteral("modelLabel"), timesFont(11), Qt::black);
    m_model->setWordWrap(true);
    layout->addWidget(m_model);

    m_figures = new ReportView(this);
    m_figures->setObjectName(QStringLiteral("figures"));
    m_figures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_figures, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(twips(600));
    buttons->addStretch();
    m_recompute = new QPushButton(tr("Recompute"), this);
    m_recompute->setObjectName(QStringLiteral("cmdRecompute"));
    m_back = new QPushButton(tr("Go back"), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    for (QPushButton *button : {m_recompute, m_back}) {
        button->setFont(appFont(QStringLiteral("MS Sans Serif"), 9.6));
        button->setFixedSize(twipsSize(1815, 495));
        button->setCursor(handCursor());
        // Enter presses the focused button as Space does.
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    m_recompute->setAccessibleName(
        tr("Recompute: analyse the main window's model again"));
    m_back->setAccessibleName(tr("Go back: back to the main window"));
    connect(m_recompute, &QPushButton::clicked, this, &AnalysisWindow::recompute);
    connect(m_back, &QPushButton::clicked, this, &AnalysisWindow::backRequested);
}

void AnalysisWindow::setModelTitle(const QString &title)
{
    auto *heading = findChild<QLabel *>(QStringLiteral("titleLabel"));
    heading->setWordWrap(true);
    // The model's own title is the file's, never translated.
    heading->setText(title.isEmpty()
                         ? tr("Model analysis")
                         : tr("Model analysis")
                               + QStringLiteral("<br><span style=\"font-size: 13pt\">%1</span>")
                                     .arg(title.toHtmlEscaped()));
}

void AnalysisWindow::showReport(const std::vector<ReportLine> &lines)
{
    m_figures->showReport(lines);
}

void AnalysisWindow::recompute()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PopulationModel model;
    if (modelFromFields(m_simulation.fields(), model)) {
        showModel(model);
        showReport(analysisReport(analyseModel(model)));
    } else {
        m_model->setText(tr("The fields of the main window do not all hold numbers: "
                                        "there is nothing to analyse."));
        // The figures' names stay, with nothing beside them.
        std::vector<ReportLine> names = analysisReport(ModelAnalysis{});
        for (ReportLine &line : names) {
            line.cells.clear();
            line.text.clear();
        }
        showReport(names);
    }
    QGuiApplication::restoreOverrideCursor();
}

void AnalysisWindow::showModel(const PopulationModel &model)
{
    const double survival[] = {model.M[4], model.M[9], model.M[14]};
    //: %1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t
    m_model->setText(tr("M: fecundities %1; survival rates %2.   H = (%3).   "
                        "N(t) = (%4) at t = %5.")
                         .arg(listText(model.M.data(), 4), listText(survival, 3),
                              listText(model.H.data(), 4), listText(model.N.data(), 4))
                         .arg(model.t));
}

void AnalysisWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar shows what it showed before.
    if (!event->spontaneous())
        recompute();
}

void AnalysisWindow::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

void AnalysisWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape leaves as "Go back" does, as a keyboard user expects of a window that has one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora
