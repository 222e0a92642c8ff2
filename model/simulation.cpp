#include "model/simulation.h"

#include "base/numbertext.h"
#include "base/texts.h"
#include "demography/shownstep.h"

namespace velmora {

namespace {

bool readAll(const std::string *texts, int count, double *out, ModelMessage::Kind &failure)
{
    for (int i = 0; i < count; ++i) {
        const ReadResult read = strictValue(texts[i]);
        if (!read.ok()) {
            failure = read.status == ReadStatus::OutOfRange ? ModelMessage::Kind::Overflow
                                                            : ModelMessage::Kind::NotANumber;
            return false;
        }
        out[i] = read.value;
    }
    return true;
}

} // namespace

Simulation::Simulation(Module1 &history)
    : m_history(history)
{
}

void Simulation::post(ModelMessage::Kind kind) const
{
    if (!onMessage)
        return;
    switch (kind) {
    case ModelMessage::Kind::RejectedStep:
        //: Title of the message box: the projection would empty the population.
        onMessage({kind, translatedText("Simulation", "N = 0"),
                   translatedText("Simulation", "Population size = 0")});
        break;
    case ModelMessage::Kind::HistoryFull:
        //: "Change default values" is the main window's button of that name.
        onMessage({kind, translatedText("Simulation", "History full"),
                   translatedText("Simulation",
                                  "The history is full: 1000 steps have been recorded.\n"
                                  "Press \"Change default values\" to start a new run.")});
        break;
    case ModelMessage::Kind::Overflow:
        onMessage({kind, translatedText("Simulation", "Numbers too large"),
                   translatedText("Simulation",
                                  "The numbers have grown beyond what the program can "
                                  "represent.\nThis step was not counted.")});
        break;
    case ModelMessage::Kind::NotANumber:
        onMessage({kind, translatedText("Simulation", "Not a number"),
                   translatedText("Simulation",
                                  "A field of the main window does not hold a number.\n"
                                  "This step was not counted.")});
        break;
    }
}

void Simulation::startUp()
{
    double total = 0.0;
    for (int i = 0; i < kClasses; ++i) {
        const double value = strictValue(m_fields.n1[i]).value;
        m_history.Nhist[i][0] = value;
        total += value;
    }
    m_history.Ntot[0] = total;
    m_fields.total1 = numberText(total);
    m_fields.simu0 = "0";
}

void Simulation::Restart()
{
    MainFields &f = m_fields;
    f.total1.clear();
    f.total2.clear();
    f.simu0.clear();
    f.simut.clear();
    f.growrate.clear();
    m_history.tcount = 0;
    double total = 0.0;
    for (int i = 0; i < kClasses; ++i) {
        // The editing window writes only number texts here, so an unreadable text cannot occur.
        const double value = strictValue(f.n1[i]).value;
        m_history.Nhist[i][0] = value;
        total += value;
    }
    m_history.Ntot[0] = total;
    f.total1 = numberText(total);

    f.projectEnabled = true;
    f.focus = FocusTarget::Project;
    f.transitEnabled = false;
    f.quitEnabled = true;
    f.graphEnabled = false;
    f.transitShown = false;
    f.projectShown = true;
    f.simu0 = "0";
    f.extinctShown = false;
}

ProjectionOutcome Simulation::Projection()
{
    Module1 &h = m_history;
    MainFields &f = m_fields;
    if (h.tcount >= kLastTime) {
        post(ModelMessage::Kind::HistoryFull);
        return ProjectionOutcome::Refused;
    }
    const int k = h.tcount + 1;

    double M[16];
    double N[kClasses];
    double total1 = 0.0;
    ModelMessage::Kind failure = ModelMessage::Kind::NotANumber;
    if (!readAll(f.m.data(), 16, M, failure) || !readAll(f.n1.data(), kClasses, N, failure)
        || !readAll(&f.total1, 1, &total1, failure)) {
        post(failure);
        return ProjectionOutcome::Refused;
    }
    double H[kClasses];
    for (int i = 0; i < kClasses; ++i) {
        const ReadResult read = lenientValue(f.Harvest[i]);
        if (!read.ok()) {
            post(ModelMessage::Kind::Overflow);
            return ProjectionOutcome::Refused;
        }
        H[i] = read.value;
    }

    Eigen::MatrixXd a(kClasses, kClasses);
    Eigen::VectorXd n(kClasses);
    Eigen::VectorXd harvest(kClasses);
    for (int r = 0; r < kClasses; ++r) {
        for (int c = 0; c < kClasses; ++c)
            a(r, c) = M[kClasses * r + c];
        n(r) = N[r];
        harvest(r) = H[r];
    }
    const ShownStep plan = shownStep(a, n, harvest, h.Ntot[k - 1], total1);
    if (!plan.representable) {
        post(ModelMessage::Kind::Overflow);
        return ProjectionOutcome::Refused;
    }

    h.tcount = static_cast<int16_t>(k);
    if (k > 3)
        f.graphEnabled = true;
    for (int r = 0; r < kClasses; ++r) {
        f.n2[size_t(r)] = plan.texts[size_t(r)];
        h.Nhist[r][k] = plan.values[size_t(r)];
    }
    f.total2 = plan.totalText;
    h.Ntot[k] = plan.total;
    h.Ndiff[k - 1] = h.Ntot[k] - h.Ntot[k - 1];

    if (plan.ended) {
        f.transitEnabled = false;
        f.projectEnabled = false;
        f.projectShown = false;
        f.extinctShown = true;
        f.focus = FocusTarget::Quit;
        f.simut = integerText(k);
        return ProjectionOutcome::Ended;
    }

    h.Grate[k - 1] = plan.growthRate;
    f.growrate = plan.growthText;
    for (int i = 0; i < kClasses; ++i)
        h.Adist[i][k - 1] = h.Nhist[i][k - 1] / h.Ntot[k - 1];

    if (h.Ntot[k] > 0) {
        for (int i = 0; i < kClasses; ++i)
            h.Adist[i][k] = h.Nhist[i][k] / h.Ntot[k];
        f.transitEnabled = true;
        f.focus = FocusTarget::Transit;
        f.projectShown = false;
        f.transitShown = true;
        f.projectEnabled = false;
        f.simut = integerText(k);
        return ProjectionOutcome::Counted;
    }

    post(ModelMessage::Kind::RejectedStep);
    h.tcount = static_cast<int16_t>(k - 1);
    f.simut = integerText(k);
    return ProjectionOutcome::Rejected;
}

void Simulation::Transition()
{
    MainFields &f = m_fields;
    for (int i = 0; i < kClasses; ++i) {
        f.n1[i] = f.n2[i];
        f.n2[i].clear();
    }
    f.total1 = f.total2;
    f.total2.clear();
    f.growrate.clear();
    f.simu0 = integerText(m_history.tcount);
    f.simut.clear();
    f.projectEnabled = true;
    f.focus = FocusTarget::Project;
    f.transitEnabled = false;
    f.projectShown = true;
    f.transitShown = false;
}

void Simulation::m_Change(int /*index*/)
{
    MainFields &f = m_fields;
    for (auto &text : f.n2)
        text.clear();
    f.total2.clear();
    f.growrate.clear();
    f.projectEnabled = true;
    f.transitEnabled = false;
}

void Simulation::setMatrixCell(int index, const std::string &text)
{
    if (index < 0 || index >= 16 || m_fields.m[index] == text)
        return;
    m_fields.m[index] = text;
    m_Change(index);
}

} // namespace velmora
