#include "tests/modelfile/badmodelfiles.h"

#include <QStringList>

namespace velmora {

namespace {

const char *const kValidLines[][2] = {
    {"format", "\"format\": \"velmora-model\""},
    {"version", "\"version\": 1"},
    {"title", "\"title\": \"Exercise 3\""},
    {"notes", "\"notes\": \"Look at the growth rate.\""},
    {"fecundities", "\"fecundities\": [0, 1, 2, 1]"},
    {"survival", "\"survival\": [0.5, 1, 0.5]"},
    {"n0", "\"n0\": [10, 10, 10, 10]"},
    {"harvest", "\"harvest\": [5, 0, 0, 0]"},
};

const char *const kValidStageLines[][2] = {
    {"format", "\"format\": \"velmora-model\""},
    {"version", "\"version\": 2"},
    {"title", "\"title\": \"Seeds and adults\""},
    {"source", "\"source\": \"Exercise sheet 4\""},
    {"stages", "\"stages\": [\"seeds\", \"adults\"]"},
    {"transitions", "\"transitions\": [[0, 0], [0.5, 0.8]]"},
    {"reproduction", "\"reproduction\": [[0, 2], [0, 0]]"},
    {"n0", "\"n0\": [10, 10]"},
    {"harvest", "\"harvest\": [0, 1]"},
};

template<size_t N>
QByteArray fileWith(const char *const (&valid)[N][2], const char *key, const QByteArray &line)
{
    QList<QByteArray> lines;
    for (const auto &[name, text] : valid) {
        const bool replaced = qstrcmp(name, key) == 0;
        if (!replaced)
            lines << QByteArray("    ") + text;
        else if (!line.isEmpty())
            lines << QByteArray("    ") + line;
    }
    return "{\n" + lines.join(",\n") + "\n}\n";
}

// "s1", "s2", ... as the items of a JSON list.
QByteArray manyNames(int n)
{
    QList<QByteArray> names;
    for (int i = 1; i <= n; ++i)
        names << "\"s" + QByteArray::number(i) + "\"";
    return names.join(", ");
}

} // namespace

QByteArray modelFileWith(const char *key, const QByteArray &line)
{
    return fileWith(kValidLines, key, line);
}

QByteArray stageModelFileWith(const char *key, const QByteArray &line)
{
    return fileWith(kValidStageLines, key, line);
}

QList<BadModelFile> badModelFiles()
{
    const QString noModel = QStringLiteral("this is not a Velmora model file");
    return {
        {"empty file", "", "this is not JSON: illegal value at line 1, column 1"},
        {"plain text", "f0 = 0, f1 = 1", "this is not JSON: illegal value at line 1, column 2"},
        {"cut short", modelFileWith("harvest", "\"harvest\": [5, 0,"),
         "this is not JSON: object is missing after a comma at line 10, column 2"},
        {"text after the object", modelFileWith("", "") + "x",
         "this is not JSON: garbage at the end of the document at line 11, column 1"},
        {"number beyond a double", modelFileWith("n0", "\"n0\": [1e999, 10, 10, 10]"),
         "this is not JSON: illegal number at line 8, column 17"},
        {"a list, not an object", "[0, 1, 2, 1]", noModel + ": it holds no {...} object"},
        {"format missing", modelFileWith("format", ""), "\"format\" is missing: " + noModel},
        {"another format", modelFileWith("format", "\"format\": \"kolvan-model\""),
         "\"format\" is \"kolvan-model\", not \"velmora-model\": " + noModel},
        {"format not text", modelFileWith("format", "\"format\": 1"),
         "\"format\" is 1, not \"velmora-model\": " + noModel},
        {"version missing", modelFileWith("version", ""), "\"version\" is missing"},
        {"newer version", modelFileWith("version", "\"version\": 3"),
         "\"version\" is 3: the file was written by a newer Velmora; this one reads versions up to 2"},
        {"version 0", modelFileWith("version", "\"version\": 0"),
         "\"version\" is 0, not a version from 1 to 2"},
        {"version between versions", modelFileWith("version", "\"version\": 1.5"),
         "\"version\" is 1.5, not a version from 1 to 2"},
        {"version as text", modelFileWith("version", "\"version\": \"1\""),
         "\"version\" is \"1\", not a version from 1 to 2"},
        {"extra key", modelFileWith("title", "\"colour\": \"red\""), "unknown key \"colour\""},
        {"key in capitals", modelFileWith("title", "\"Title\": \"Exercise 3\""),
         "unknown key \"Title\""},
        {"harvest missing", modelFileWith("harvest", ""), "\"harvest\" is missing"},
        {"fecundities missing", modelFileWith("fecundities", ""), "\"fecundities\" is missing"},
        {"title not text", modelFileWith("title", "\"title\": 3"),
         "\"title\" is 3: it must be text in double quotes"},
        {"title of two lines", modelFileWith("title", "\"title\": \"Exercise\\n3\""),
         "\"title\" must be one line of at most 100 characters"},
        {"title too long", modelFileWith("title", "\"title\": \"" + QByteArray(101, 'x') + "\""),
         "\"title\" must be one line of at most 100 characters"},
        {"notes as a list", modelFileWith("notes", "\"notes\": [\"a\", \"b\"]"),
         "\"notes\" is [\"a\",\"b\"]: it must be text in double quotes"},
        {"bell in the notes", modelFileWith("notes", "\"notes\": \"ring \\u0007\""),
         "\"notes\" holds a control character; only line breaks and tabs may stand in it"},
        {"list as text", modelFileWith("fecundities", "\"fecundities\": \"0, 1, 2, 1\""),
         "\"fecundities\" is \"0, 1, 2, 1\": it must be a list of 4 numbers, such as [10, 10, 10, 10]"},
        {"three fecundities", modelFileWith("fecundities", "\"fecundities\": [0, 1, 2]"),
         "\"fecundities\" is [0,1,2]: it must be a list of 4 numbers, such as [10, 10, 10, 10]"},
        {"four survival rates", modelFileWith("survival", "\"survival\": [0.5, 1, 0.5, 0]"),
         "\"survival\" is [0.5,1,0.5,0]: it must be a list of 3 numbers, such as [0.5, 1, 0.5]"},
        {"empty harvest", modelFileWith("harvest", "\"harvest\": []"),
         "\"harvest\" is []: it must be a list of 4 numbers, such as [10, 10, 10, 10]"},
        {"number as text", modelFileWith("n0", "\"n0\": [10, \"10\", 10, 10]"),
         "\"n0\"[1] is \"10\": it must be a number"},
        {"null value", modelFileWith("harvest", "\"harvest\": [5, 0, 0, null]"),
         "\"harvest\"[3] is null: it must be a number"},
        {"true value", modelFileWith("survival", "\"survival\": [true, 1, 0.5]"),
         "\"survival\"[0] is true: it must be a number"},
        {"nested list", modelFileWith("n0", "\"n0\": [[10], 10, 10, 10]"),
         "\"n0\"[0] is [10]: it must be a number"},
        {"survival above 1", modelFileWith("survival", "\"survival\": [0.5, 1.0001, 0.5]"),
         "\"survival\"[1] is 1.0001: a survival rate must be at most 1"},
        {"survival below 0", modelFileWith("survival", "\"survival\": [0.5, 1, -0.5]"),
         "\"survival\"[2] is -0.5: a survival rate must be at least 0"},
        {"negative fecundity", modelFileWith("fecundities", "\"fecundities\": [0, -0.1, 2, 1]"),
         "\"fecundities\"[1] is -0.1: a fecundity must be at least 0"},
        {"negative harvest", modelFileWith("harvest", "\"harvest\": [5, 0, 0, -1]"),
         "\"harvest\"[3] is -1: a harvest must be at least 0"},
        {"negative N(0)", modelFileWith("n0", "\"n0\": [-10, 10, 10, 10]"),
         "\"n0\"[0] is -10: an age class of N(0) must be at least 0"},
        {"largest double", modelFileWith("fecundities", "\"fecundities\": [0, 1, 1.7976931348623157e308, 1]"),
         "\"fecundities\"[2] is 1.7976931348623157e+308: too large for the program"},
        {"total of N(0) too large", modelFileWith("n0", "\"n0\": [1e308, 1e308, 0, 0]"),
         "\"n0\": the total of N(0) is too large for the program"},
        {"source in a version 1 file", modelFileWith("title", "\"source\": \"Caswell 2001\""),
         "\"source\" is a key of version 2 files; this file is version 1"},
        {"life cycle in a version 1 file", stageModelFileWith("version", "\"version\": 1"),
         "\"reproduction\" is a key of version 2 files; this file is version 1"},
        {"Leslie model and life cycle in one file",
         stageModelFileWith("title", "\"survival\": [0.5, 1, 0.5]"),
         "\"survival\" and \"reproduction\" stand in one file: a file holds either a 4-class "
         "Leslie model (\"fecundities\", \"survival\") or a life cycle by stages (\"stages\", "
         "\"transitions\", \"reproduction\")"},
        {"version 2 without a model", "{\"format\": \"velmora-model\", \"version\": 2, \"n0\": [1]}",
         "the file holds no model: it needs \"fecundities\" and \"survival\" for a 4-class Leslie "
         "model, or \"stages\", \"transitions\" and \"reproduction\" for a life cycle by stages"},
        {"block of a later version", stageModelFileWith("title", "\"lessons\": {}"),
         "unknown key \"lessons\""},
        {"exercise in a version 1 file",
         modelFileWith("harvest", "\"harvest\": [5, 0, 0, 0], \"exercise\": {}"),
         "\"exercise\" is a key of version 2 files; this file is version 1"},
        {"density in a version 1 file",
         modelFileWith("harvest", "\"harvest\": [5, 0, 0, 0], \"density\": {}"),
         "\"density\" is a key of version 2 files; this file is version 1"},
        {"density not an object", stageModelFileWith("title", "\"density\": 1000"),
         "\"density\" is 1000: it must be {\"form\": \"beverton-holt\", \"capacity\": K} "
         "with \"ricker\" or \"ceiling\" as other forms"},
        {"density form missing", stageModelFileWith("title", "\"density\": {\"capacity\": 5}"),
         "\"form\" in \"density\" is missing"},
        {"density form unknown",
         stageModelFileWith("title", "\"density\": {\"form\": \"logistic\", \"capacity\": 5}"),
         "\"form\" in \"density\" is \"logistic\", not \"beverton-holt\", \"ricker\" or "
         "\"ceiling\""},
        {"density key unknown",
         stageModelFileWith("title", "\"density\": {\"form\": \"ricker\", \"K\": 5}"),
         "unknown key \"K\" in \"density\""},
        {"capacity of 0",
         stageModelFileWith("title", "\"density\": {\"form\": \"ricker\", \"capacity\": 0}"),
         "\"capacity\" in \"density\" is 0: K must be a number above 0"},
        {"capacity as text",
         stageModelFileWith("title", "\"density\": {\"form\": \"ricker\", \"capacity\": \"5\"}"),
         "\"capacity\" in \"density\" is \"5\": K must be a number above 0"},
        {"counted stage unknown",
         stageModelFileWith("title", "\"density\": {\"form\": \"ceiling\", \"capacity\": 5, "
                                     "\"countedStages\": [\"eggs\"]}"),
         "\"countedStages\"[0] in \"density\" is \"eggs\", which is not the name of a stage of "
         "the model"},
        {"counted stages empty",
         stageModelFileWith("title", "\"density\": {\"form\": \"ceiling\", \"capacity\": 5, "
                                     "\"countedStages\": []}"),
         "\"countedStages\" in \"density\" is []: leave it out to take every stage"},
        {"density without growth",
         stageModelFileWith("reproduction", "\"reproduction\": [[0, 0.2], [0, 0]], "
                                            "\"density\": {\"form\": \"ricker\", \"capacity\": 5}"),
         "\"density\": R0 is 0.5, and a population that settles at K must more than replace "
         "itself when sparse (R0 above 1)"},
        {"harvested stage twice", stageModelFileWith("title", "\"harvestStages\": [\"seeds\", \"seeds\"]"),
         "\"harvestStages\"[1] is \"seeds\", named twice"},
        {"source of two lines", stageModelFileWith("source", "\"source\": \"Crouse\\nEcology\""),
         "\"source\" must be one line of at most 300 characters"},
        {"stages missing", stageModelFileWith("stages", ""), "\"stages\" is missing"},
        {"stages as one text", stageModelFileWith("stages", "\"stages\": \"seeds, adults\""),
         "\"stages\" is \"seeds, adults\": it must be a list of stage names in double quotes, "
         "such as [\"seeds\", \"adults\"]"},
        {"no stages", stageModelFileWith("stages", "\"stages\": []"),
         "\"stages\" is []: a model needs at least 1 stage"},
        {"101 stages", stageModelFileWith("stages", "\"stages\": [" + manyNames(101) + "]"),
         "\"stages\" holds 101 names: the program takes at most 100 stages"},
        {"stage name a number", stageModelFileWith("stages", "\"stages\": [\"seeds\", 2]"),
         "\"stages\"[1] is 2: a stage name must be text in double quotes"},
        {"blank stage name", stageModelFileWith("stages", "\"stages\": [\"seeds\", \" \"]"),
         "\"stages\"[1] is \" \": a stage needs a name"},
        {"stage name ending in a blank", stageModelFileWith("stages", "\"stages\": [\"seeds \", \"adults\"]"),
         "\"stages\"[0] is \"seeds \": a stage name must not begin or end with a blank"},
        {"two stages of one name", stageModelFileWith("stages", "\"stages\": [\"adults\", \"adults\"]"),
         "\"stages\"[1] is \"adults\", as is \"stages\"[0]: each stage needs a name of its own"},
        {"transitions missing", stageModelFileWith("transitions", ""), "\"transitions\" is missing"},
        {"three rows for two stages",
         stageModelFileWith("transitions", "\"transitions\": [[0, 0], [0.5, 0.8], [0, 0]]"),
         "\"transitions\" is [[0,0],[0.5,0.8],[0,0]]: it must be a list of 2 rows, one for each "
         "stage, each a list of 2 numbers"},
        {"row of three values", stageModelFileWith("transitions", "\"transitions\": [[0, 0], [0.5, 0.8, 0]]"),
         "\"transitions\"[1] is [0.5,0.8,0]: it must be a row of 2 numbers, one for each stage"},
        {"fecundity as text", stageModelFileWith("reproduction", "\"reproduction\": [[0, \"2\"], [0, 0]]"),
         "\"reproduction\"[0][1] is \"2\": it must be a number"},
        {"negative transition", stageModelFileWith("transitions", "\"transitions\": [[0, 0], [0.5, -0.8]]"),
         "\"transitions\"[1][1], from \"adults\" to \"adults\", is -0.8: a transition must be at least 0"},
        {"fecundity too large",
         stageModelFileWith("reproduction", "\"reproduction\": [[0, 1.7976931348623157e308], [0, 0]]"),
         "\"reproduction\"[0][1], from \"adults\" to \"seeds\", is 1.7976931348623157e+308: too "
         "large for the program"},
        {"negative clonal rate",
         stageModelFileWith("title", "\"clonal\": [[0, 0], [-1, 0]]"),
         "\"clonal\"[1][0], from \"seeds\" to \"adults\", is -1: a clonal rate must be at least 0"},
        {"column of transitions above 1",
         stageModelFileWith("transitions", "\"transitions\": [[0, 0.3], [0.5, 0.8]]"),
         "\"transitions\": the column of \"adults\" adds up to 1.1: at most all of a stage can survive"},
        {"N(0) of three stages", stageModelFileWith("n0", "\"n0\": [10, 10, 10]"),
         "\"n0\" is [10,10,10]: it must be a list of 2 numbers, one for each stage"},
        {"negative harvest of a stage", stageModelFileWith("harvest", "\"harvest\": [0, -1]"),
         "\"harvest\"[1] of \"adults\" is -1: a harvest must be at least 0"},
        {"total of N(0) of stages too large", stageModelFileWith("n0", "\"n0\": [1e308, 1e308]"),
         "\"n0\": the total of N(0) is too large for the program"},
        {"first problem in key order",
         modelFileWith("survival", "\"survival\": [2, 1, 0.5], \"fecundities\": [-1, 1, 2, 1]")
             .replace("    \"fecundities\": [0, 1, 2, 1],\n", ""),
         "\"fecundities\"[0] is -1: a fecundity must be at least 0"},
    };
}

} // namespace velmora
