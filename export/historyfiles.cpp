#include "export/historyfiles.h"

#include "base/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace velmora {

namespace {

// The last time index a file has a row for; a counter out of range never leads past the history.
int lastRow(const Module1 &h)
{
    return std::clamp<int>(h.tcount, 0, kLastTime);
}

// The rates of row t describe the step to t + 1: they exist only for a counted step
// and a non-zero total to divide by.
bool rateDefined(const Module1 &h, int t)
{
    return t < lastRow(h) && h.Ntot[t] != 0.0;
}

// Shares of the age classes at time t. Adist holds them once a step has been counted from a
// non-empty start; before the first projection, or in a run that began empty, it has not been
// written, so the shares are formed here from the same numbers.
std::optional<double> ageShare(const Module1 &h, int i, int t)
{
    const double total = h.Ntot[t];
    if (total == 0.0)
        return std::nullopt;
    if (lastRow(h) >= 1 && h.Ntot[0] > 0)
        return h.Adist[i][t];
    return h.Nhist[i][t] / total;
}

class Table {
public:
    explicit Table(std::initializer_list<const char *> titles)
    {
        for (const char *title : titles)
            text(title);
        endLine();
    }

    void integer(int value) { item(integerText(value)); }
    // Non-finite values have no place in a number column; they leave the cell empty.
    void number(std::optional<double> value, int digits = 15)
    {
        item(value && std::isfinite(*value) ? numberText(*value, digits) : std::string());
    }
    void endLine()
    {
        m_bytes += "\r\n";
        m_first = true;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    void text(const char *title) { item(std::string("\"") + title + "\""); }
    void item(const std::string &value)
    {
        if (!m_first)
            m_bytes += ',';
        m_bytes += value.c_str();
        m_first = false;
    }

    QByteArray m_bytes;
    bool m_first = true;
};

std::optional<double> growthRate(const Module1 &h, int t)
{
    if (!rateDefined(h, t))
        return std::nullopt;
    return static_cast<double>(h.Grate[t]);
}

std::optional<double> rate(const Module1 &h, const TimeSeries &series, int t)
{
    if (!rateDefined(h, t))
        return std::nullopt;
    return series[t];
}

} // namespace

QString historyFileEnding(HistoryFile file)
{
    switch (file) {
    case HistoryFile::AgeStructure:
        return QStringLiteral("-age structure.txt");
    case HistoryFile::AgeDistribution:
        return QStringLiteral("-age distribution.txt");
    case HistoryFile::TotalPopulation:
        return QStringLiteral("-total population and growth rate.txt");
    case HistoryFile::Rates:
        return QStringLiteral("-growth-birth-death-survival-rate.txt");
    }
    return {};
}

QString exportBaseName(const QString &saveName)
{
    qsizetype end = saveName.size();
    for (int removed = 0; removed < 4; ++removed) {
        if (end == 0)
            return {};
        --end;
        const QChar c = saveName.at(end);
        // Cutting into the folder would put the files beside the folder instead of in it.
        if (c == u'/' || c == u'\\')
            return {};
        if (end > 0 && c.isLowSurrogate() && saveName.at(end - 1).isHighSurrogate())
            --end;
    }
    return saveName.left(end);
}

QString historyFileName(const QString &baseName, HistoryFile file)
{
    return baseName + historyFileEnding(file);
}

void computeRates(Module1 &h)
{
    constexpr double undefined = std::numeric_limits<double>::quiet_NaN();
    for (int t = 0; t <= lastRow(h); ++t) {
        if (!rateDefined(h, t)) {
            h.Brate[t] = h.Srate[t] = h.Drate[t] = undefined;
            continue;
        }
        h.Brate[t] = h.Nhist[0][t + 1] / h.Ntot[t];
        h.Srate[t] = (h.Nhist[2][t + 1] + h.Nhist[1][t + 1] + h.Nhist[3][t + 1]) / h.Ntot[t];
        h.Drate[t] = 1 - h.Srate[t];
    }
}

QByteArray historyFileBytes(const Module1 &h, HistoryFile file)
{
    switch (file) {
    case HistoryFile::AgeStructure: {
        Table table{"time", "age 0", "age 1", "age 2", "age 3"};
        for (int t = 0; t <= lastRow(h); ++t) {
            table.integer(t);
            for (int i = 0; i < kClasses; ++i)
                table.number(h.Nhist[i][t]);
            table.endLine();
        }
        return table.bytes();
    }
    case HistoryFile::AgeDistribution: {
        Table table{"time", "age 0", "age 1", "age 2", "age 3"};
        for (int t = 0; t <= lastRow(h); ++t) {
            table.integer(t);
            for (int i = 0; i < kClasses; ++i)
                table.number(ageShare(h, i, t));
            table.endLine();
        }
        return table.bytes();
    }
    case HistoryFile::TotalPopulation: {
        Table table{"time", "total population", "growth rate"};
        for (int t = 0; t <= lastRow(h); ++t) {
            table.integer(t);
            table.number(h.Ntot[t]);
            table.number(growthRate(h, t), 7);
            table.endLine();
        }
        return table.bytes();
    }
    case HistoryFile::Rates: {
        Table table{"time", "growth rate", "birth rate", "death rate", "survival rate"};
        for (int t = 0; t <= lastRow(h); ++t) {
            table.integer(t);
            table.number(growthRate(h, t), 7);
            table.number(rate(h, h.Brate, t));
            table.number(rate(h, h.Drate, t));
            table.number(rate(h, h.Srate, t));
            table.endLine();
        }
        return table.bytes();
    }
    }
    return {};
}

} // namespace velmora
