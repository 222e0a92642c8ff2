#include "base/texts.h"

#include <utility>

namespace velmora {

namespace {

TextTranslator &installed()
{
    static TextTranslator translator;
    return translator;
}

// How many EnglishTexts of this thread are alive; per thread, so a JSON writer on one thread
// never turns another thread's window text into English.
thread_local int englishDepth = 0;

} // namespace

std::string translatedText(const char *context, const char *source)
{
    const TextTranslator &translator = installed();
    return translator && englishDepth == 0 ? translator(context, source) : std::string(source);
}

std::string filledText(const std::string &pattern, const std::vector<std::string> &values)
{
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        // %10 and above are not ours: a single digit keeps "%1" apart from a following digit.
        const bool digitAfter = i + 2 < pattern.size() && pattern[i + 2] >= '0'
                                && pattern[i + 2] <= '9';
        if (pattern[i] == '%' && next >= '1' && next <= '9' && !digitAfter
            && size_t(next - '1') < values.size()) {
            text += values[size_t(next - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

void setTextTranslator(TextTranslator translator) { installed() = std::move(translator); }

EnglishTexts::EnglishTexts() { ++englishDepth; }

EnglishTexts::~EnglishTexts() { --englishDepth; }

} // namespace velmora
