#pragma once

#include "model/module1.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace velmora {

// The four files of a history export, in the order they are written.
enum class HistoryFile {
    AgeStructure,    // t and N(t) by age class
    AgeDistribution, // t and the share of each age class
    TotalPopulation, // t, total and growth rate
    Rates,           // t, growth, birth, death and survival rate
};

constexpr std::array<HistoryFile, 4> kHistoryFiles{
    HistoryFile::AgeStructure, HistoryFile::AgeDistribution, HistoryFile::TotalPopulation,
    HistoryFile::Rates};

// What follows the base name in a file's name, e.g. "-age structure.txt".
QString historyFileEnding(HistoryFile file);

// The chosen name without its last four characters (a character outside the BMP counts
// as one). Empty, and to be refused, when nothing would remain or when the four would
// reach into the folder ("/" or "\\"), i.e. the file's own name has fewer than four.
QString exportBaseName(const QString &saveName);

// The full name of one file: the base name followed by the file's ending.
QString historyFileName(const QString &baseName, HistoryFile file);

// Recomputes Brate, Srate and Drate for t = 0 .. tcount, in that order within each t.
// Where a rate is undefined (last row, or a total of 0) the three are set to NaN.
void computeRates(Module1 &history);

// The bytes of one file: a header of quoted titles, one row per t = 0 .. tcount, CRLF line
// ends, ASCII only, "." as decimal point whatever the locale. Cells the run does not define
// are left empty. The rate file reads Brate/Drate/Srate: run computeRates first.
QByteArray historyFileBytes(const Module1 &history, HistoryFile file);

} // namespace velmora
