#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace velmora {

// A model file that must be refused, and the problem the reader must name.
struct BadModelFile {
    const char *name;
    QByteArray bytes;
    QString problem;
};

// A valid file with one line replaced: `key` is the name of the line to replace ("harvest"),
// `line` the text that takes its place (empty: the line is left out).
QByteArray modelFileWith(const char *key, const QByteArray &line);
// The same for a valid version 2 file of a 2-stage life cycle ("seeds", "adults").
QByteArray stageModelFileWith(const char *key, const QByteArray &line);

// Every way a file can be bad short of not being readable at all, each with its message.
QList<BadModelFile> badModelFiles();

} // namespace velmora
