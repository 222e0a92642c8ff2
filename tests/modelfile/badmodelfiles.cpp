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

} // namespace

QByteArray modelFileWith(const char *key, const QByteArray &line)
{
    QList<QByteArray> lines;
    for (const auto &[name, text] : kValidLines) {
        const bool replaced = qstrcmp(name, key) == 0;
        if (!replaced)
            lines << QByteArray("    ") + text;
        else if (!line.isEmpty())
            lines << QByteArray("    ") + line;
    }
    return "{\n" + lines.join(",\n") + "\n}\n";
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
        {"newer version", modelFileWith("version", "\"version\": 2"),
         "\"version\" is 2: the file was written by a newer Velmora; this one reads version 1"},
        {"version 0", modelFileWith("version", "\"version\": 0"), "\"version\" is 0, not 1"},
        {"version as text", modelFileWith("version", "\"version\": \"1\""),
         "\"version\" is \"1\", not 1"},
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
        {"first problem in key order",
         modelFileWith("survival", "\"survival\": [2, 1, 0.5], \"fecundities\": [-1, 1, 2, 1]")
             .replace("    \"fecundities\": [0, 1, 2, 1],\n", ""),
         "\"fecundities\"[0] is -1: a fecundity must be at least 0"},
    };
}

} // namespace velmora
