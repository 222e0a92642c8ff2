#pragma once

#include <QList>
#include <QString>

namespace velmora {

// One of the models that ship with the program.
struct ModelExample {
    QString fileName; // "declining.velmora", as installed
    QString path;     // where the program reads its built-in copy
    QString title;
    bool stageModel = false; // a life cycle by stages, not the main window's Leslie model
};

// The examples built into the program, in the order the menu offers them.
QList<ModelExample> modelExamples();

} // namespace velmora
