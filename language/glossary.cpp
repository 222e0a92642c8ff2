#include "language/glossary.h"

#include <QtGlobal>

namespace velmora {

std::vector<const char *> glossaryTerms()
{
    return {
        //: Glossary: the term this language uses for each, wherever a text names it.
        //: The finite rate of increase, the dominant eigenvalue of the projection matrix.
        QT_TRANSLATE_NOOP("Glossary", "lambda"),
        //: A stage's expected future offspring, relative to the first stage (Fisher).
        QT_TRANSLATE_NOOP("Glossary", "reproductive value"),
        //: The proportional change of lambda for a proportional change of one rate.
        QT_TRANSLATE_NOOP("Glossary", "elasticity"),
        //: Animals taken from the population each step (hunting, fishing).
        QT_TRANSLATE_NOOP("Glossary", "harvest"),
        //: A fixed number of animals the harvest may take each step.
        QT_TRANSLATE_NOOP("Glossary", "quota"),
    };
}

} // namespace velmora
