#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

// The texts the plain C++ layers write for a reader (report lines, refusals) are marked with
// translatedText("Context", "English text"); lupdate reads that call as a translation. Without
// an installed translator, as in the science's own tests, the English text comes back.
std::string translatedText(const char *context, const char *source);

// Fills %1 ... %9 of a (translated) pattern in order of their numbers, wherever the language
// put them; a placeholder without a value stays as it is.
std::string filledText(const std::string &pattern, const std::vector<std::string> &values);

// The reader's language; set once at start, before any thread asks for a text.
using TextTranslator = std::function<std::string(const char *context, const char *source)>;
void setTextTranslator(TextTranslator translator);

// While one lives, translatedText answers in English on this thread, whatever translator is
// installed: for texts that are data, such as the report labels `--json` prints.
class EnglishTexts {
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts &) = delete;
    EnglishTexts &operator=(const EnglishTexts &) = delete;
};

} // namespace velmora
