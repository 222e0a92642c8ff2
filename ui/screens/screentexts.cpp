#include "ui/screens/screentexts.h"

#include <QCoreApplication>

namespace velmora {

namespace {

// The context of these texts in the translations.
class ScreenTexts {
    Q_DECLARE_TR_FUNCTIONS(ScreenTexts)
};

// The introduction in units of whole sentences, each with what stands before it in the
// English; a translation may order the words inside a unit as its language needs.
struct IntroductionUnit {
    const char *before;
    const char *source;
};

const IntroductionUnit kIntroduction[] = {
    {"", QT_TRANSLATE_NOOP("ScreenTexts",
                           "The Lewis-Leslie matrix was developed by Lewis (1942) and by Leslie "
                           "(1945, 1948).")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "The first row (the red numbers) of the square matrix contains the "
                            "age-specific fecundities of each age group, the subdiagnol column "
                            "(the blue numbers) contains the age-specific survival rates.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "A single column matrix (vector) is used to represent the age "
                            "structure of the population. As the time approaches infinity, the "
                            "growth rate becomes constant and the age distribution becomes "
                            "stable.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "I strongly recommend that you learn the Lewis-Leslie matrix using "
                            "the program Kolvan at first. Then you can learn the harvest theory "
                            "based on age-specific life table.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "This program Velmora (II) is designed for my ecological class.  You "
                            "can use this program to simulate the growth of population under "
                            "constant (daily) influence of harvest.  You will see how the "
                            "harvest affects the growth.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "If the harvest rate is low, the growth rate will settle down to a "
                            "stable rate as time approaching infinity. If the harvest rate is "
                            "high, the growth of the population decreases. Eventually, the "
                            "population decreases to zero.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "You should learn to find a proper harvest rate and the stable age "
                            "structure which can make the population self-sustained. A proper "
                            "harvest rate here means the net reproductive rate Ro=1.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "Press on the graph button, you will see the change of the total "
                            "population size, the change of growth rate, age-structure, and the "
                            "age distribution. The harvest rate which make the population "
                            "self-sustained can be solved numerically.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "The Lewis-Leslie matrix is valid for age-structured populations. "
                            "However, it does not take the stage differentiation into account. "
                            "It ignores the sexual differentiation too.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "For insect and mite populations, there are significant stage "
                            "overlapping. It means that individuals of the same age may be in "
                            "different developmental stage. Because individuals of different "
                            "stages may be quite different in the susceptibility to "
                            "insecticides, predation rate, vulnerability to predator, behavior, "
                            "and others, it is important to take the age-stage structure into "
                            "consideration.")},
    {"  ", QT_TRANSLATE_NOOP("ScreenTexts",
                             "The program Peramo is designed for the raw data analysis and life "
                             "table analysis. You are welcome to try it using your own data.  "
                             "You will find it is very useful. Moreover, you will find (using "
                             "your own data) that the two-sex life table theory is correct in "
                             "both data analysis and theory.")},
    {" ", QT_TRANSLATE_NOOP("ScreenTexts",
                            "After you understand the two-sex life table, you can then learn the "
                            "harvest theory based on the two-sex life table and the periodic "
                            "harvest.")},
};

const char *const kQuizQuestions[] = {
    QT_TRANSLATE_NOOP("ScreenTexts", "What is the total population size at t = 2?"),
    QT_TRANSLATE_NOOP("ScreenTexts", "Which age class holds the most individuals at t = 4?"),
    QT_TRANSLATE_NOOP("ScreenTexts",
                      "Does the growth rate settle down as t grows? Look at the graphs."),
};

} // namespace

QStringList howToLines()
{
    return {
        ScreenTexts::tr("Click on  \"How To\" to see this page."),
        ScreenTexts::tr("Click on  \"Quit\" to quit the program."),
        ScreenTexts::tr("Click Graph to see the graphs."),
        ScreenTexts::tr("Click Intro to see the theoretical introduction."),
        ScreenTexts::tr("Click Project or the big right arrow sign to calculate the population "
                        "structure N(t+1)."),
        ScreenTexts::tr("Click Transit or the big left arrow sign to move the population "
                        "structure to the left side."),
        ScreenTexts::tr("Click Change Default Values to change the default values."),
        ScreenTexts::tr("Click Print to print the page (your printer must be connected to "
                        "LPT1)."),
        ScreenTexts::tr("Click the right mouse button on this main window (or press the Menu "
                        "key) for analysis, model files, examples and more."),
        //: How a class adds its own language: keep the file and folder names as they are.
        ScreenTexts::tr("A new language: translations/velmora_xx.ts and a line in "
                        "language/CMakeLists.txt (see the README)."),
    };
}

QString howToCaption()
{
    return howToLines().join(QLatin1Char('\n'));
}

QStringList introductionFragments()
{
    return {
        QStringLiteral("The Lewis-Leslie matrix was developed by Lewis (1942) and by Leslie "
                       "(1945, 1948). "),
        QStringLiteral("The first row (the red numbers) of the square matrix contains the "),
        QStringLiteral("age-specific fecundities of each age group, the subdiagnol column "),
        QStringLiteral("(the blue numbers) contains the age-specific survival rates. "),
        QStringLiteral("A single column matrix (vector) is used to represent "),
        QStringLiteral("the age structure of the population. As the time approaches infinity, "),
        QStringLiteral("the growth rate becomes constant and the age distribution becomes stable. "),
        QStringLiteral("I strongly recommend that you learn the Lewis-Leslie matrix using "),
        QStringLiteral("the program Kolvan at first. Then you can learn the harvest theory based "),
        QStringLiteral("on age-specific life table. "),
        QStringLiteral("This program Velmora (II) is designed for my ecological class.  You can use this "),
        QStringLiteral("program to simulate the growth of population under constant (daily) "),
        QStringLiteral("influence of harvest.  You will see how the harvest affects the growth. "),
        QStringLiteral("If the harvest rate is low, the growth rate will settle down to a "),
        QStringLiteral("stable rate as time approaching infinity. If the harvest rate is "),
        QStringLiteral("high, the growth of the population decreases. Eventually, the population "),
        QStringLiteral("decreases to zero. You should learn to find a proper harvest rate and "),
        QStringLiteral("the stable age structure which can make the population self-sustained. "),
        QStringLiteral("A proper harvest rate here means the net reproductive rate Ro=1. "),
        QStringLiteral("Press on the graph button, you will see the change of the total population "),
        QStringLiteral("size, the change of growth rate, age-structure, and the age distribution. "),
        QStringLiteral("The harvest rate which make the population self-sustained can be "),
        QStringLiteral("solved numerically. "),
        QStringLiteral("The Lewis-Leslie matrix is valid for age-structured populations. "),
        QStringLiteral("However, it does not take the stage differentiation into account. "),
        QStringLiteral("It ignores the sexual differentiation too. For insect and mite "),
        QStringLiteral("populations, there are significant stage overlapping. It means that "),
        QStringLiteral("individuals of the same age may be in different developmental stage. "),
        QStringLiteral("Because individuals of different stages may be quite different in the "),
        QStringLiteral("susceptibility to insecticides, predation rate, vulnerability to predator, "),
        QStringLiteral("behavior, and others, it is important to take the age-stage structure "),
        QStringLiteral("into consideration.  The program Peramo is designed for the raw data "),
        QStringLiteral("analysis and life table analysis. You are welcome to try it "),
        QStringLiteral("using your own data.  You will find it is very useful. Moreover, "),
        QStringLiteral("you will find (using your own data) that the "),
        QStringLiteral("two-sex life table theory is correct in both data analysis and theory. "),
        QStringLiteral("After you understand the two-sex life table, you can then learn the "),
        QStringLiteral("harvest theory based on the two-sex life table and the periodic harvest."),
    };
}

QString introductionText()
{
    QString joined;
    for (const IntroductionUnit &unit : kIntroduction)
        joined += QLatin1String(unit.before) + ScreenTexts::tr(unit.source);
    return joined;
}

QStringList referenceList()
{
    return {
        QStringLiteral("Lefkovitch, L. P. 1965. The study of population growth in organisms "
                       "grouped by stages. Biometrics 21: 1-18."),
        QStringLiteral("Leslie, P. H. 1948. Some further notes on the use of matrices in "
                       "population mathematics. Biometrika 35: 213-245."),
        QStringLiteral("Beddington, J. R. and D. B. Taylor. 1973. Optimum age specific "
                       "harvesting of a population. Biometrics 29: 801-809."),
        QStringLiteral("Doubleday, W. G. 1975. Harvesting in matrix population models. "
                       "Biometrics 31: 189-200."),
        QStringLiteral("Birch, L. C. 1948. The intrinsic rate of natural increase of an insect "
                       "population. Journal of Animal Ecology 17: 15-26."),
        QStringLiteral("Leslie, P. H. 1945. On the use of matrices in certain population "
                       "mathematics. Biometrika 33: 183-212."),
    };
}

QString referencesCaption()
{
    return referenceList().join(QLatin1Char('\n'));
}

QString noticeProtection()
{
    return ScreenTexts::tr("This program is protected by national copyright laws and by "
                           "international treaties.");
}

QString noticeRights()
{
    return ScreenTexts::tr("All rights reserved.");
}

QString noticeHolder(int currentYear)
{
    // A clock set before the first year must not print a backwards range.
    const QString years = currentYear > 1997 ? QStringLiteral("1997-%1").arg(currentYear)
                                             : QStringLiteral("1997");
    //: %1 is the years, such as 1997-2026.
    return ScreenTexts::tr("Copyright © %1 the Velmora project").arg(years);
}

QString noticeCitation()
{
    // The reference itself is cited as it was published, in English.
    return ScreenTexts::tr("If you use this program in your research, please cite the "
                           "following  reference in your paper:")
        + QStringLiteral("\n\n")
        + QStringLiteral("The Velmora project. 1997. Velmora (II): a computer program for the "
                         "harvest of age-structured populations based on the Lewis-Leslie "
                         "matrix. The Velmora project, https://velmora.example.org/.");
}

QString noticeDownloads()
{
    //: Four lines: %1 and %2 are web addresses.
    return ScreenTexts::tr("New versions can be obtained at %1\n(the Velmora project site) "
                           "or\n%2\n(the Velmora project mirror).")
        .arg(QStringLiteral("https://velmora.example.org/"),
             QStringLiteral("https://mirror.example.org/velmora/"));
}

QString lifeCyclePictureText()
{
    return ScreenTexts::tr(
        "Velmora (II): an age-structured population under a constant harvest. Four age classes, "
        "0 to 3. Newborns of classes 1, 2 and 3 enter class 0 (fecundities f1 = 1, f2 = 2, "
        "f3 = 1). A share of each class reaches the next age (survival rates s0 = 0.5, s1 = 1, "
        "s2 = 0.5). The harvest H0 = 5 leaves class 0 at every step. "
        "N(t+1) = M · N(t) − H; classes that would fall below zero are set to 0. "
        "Click or press a key to begin.");
}

QString quizPictureText()
{
    const QuizWords words = quizWords();
    // The card read out in its order: title, task, then the numbered questions.
    return QStringLiteral("%1. %2 1. %3 2. %4 3. %5")
        .arg(words.title, words.task, words.questions.at(0), words.questions.at(1),
             words.questions.at(2));
}

LifeCycleWords lifeCycleWords()
{
    //: The picture screen's words. %1 is the age class number, inside a small circle.
    const QString ageClass = ScreenTexts::tr("Age %1");
    return {ScreenTexts::tr("An age-structured population under a constant harvest"), ageClass,
            ScreenTexts::tr("classes that would fall below zero are set to 0"),
            ScreenTexts::tr("Click or press a key to begin")};
}

QuizWords quizWords()
{
    QuizWords words;
    words.title = ScreenTexts::tr("Quiz: step the default model");
    words.task = ScreenTexts::tr("Start with the default values: N(0) = 10, 10, 10, 10 and "
                                 "H = 5, 0, 0, 0. Use Project and Transit to answer:");
    for (const char *question : kQuizQuestions)
        words.questions << ScreenTexts::tr(question);
    return words;
}

EmblemWords emblemWords()
{
    //: Under the emblem's age pyramid, in a narrow box.
    return {ScreenTexts::tr("age classes"), ScreenTexts::tr("since 1997")};
}

} // namespace velmora
