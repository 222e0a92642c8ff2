#include "cli/options.h"

#include "base/numbertext.h"

#include <algorithm>

namespace velmora {

std::optional<std::string> readOptions(const std::vector<std::string> &arguments,
                                       const std::vector<AcceptedOption> &accepted,
                                       std::vector<GivenOption> &given)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        GivenOption option{arguments[i], {}, arguments[i]};
        std::optional<std::string> value;
        const size_t equals = option.name.find('=');
        if (option.name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = option.name.substr(equals + 1);
            option.name.erase(equals);
        }
        const auto known =
            std::find_if(accepted.begin(), accepted.end(),
                         [&](const AcceptedOption &a) { return a.name == option.name; });
        if (known == accepted.end() || (!known->takesValue && value))
            return "unknown option " + arguments[i];
        if (known->takesValue && !value) {
            if (i + 1 >= arguments.size())
                return "option " + option.name + " needs a value";
            value = arguments[++i];
        }
        option.value = value.value_or(std::string());
        given.push_back(std::move(option));
    }
    std::stable_partition(given.begin(), given.end(), [&accepted](const GivenOption &option) {
        return std::any_of(accepted.begin(), accepted.end(), [&option](const AcceptedOption &s) {
            return s.name == option.name && s.readFirst;
        });
    });
    return std::nullopt;
}

std::vector<std::string> splitList(const std::string &text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos
                                                                       : comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(const std::string &text, int low, int high)
{
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<ReadResult> plainNumber(const std::string &text)
{
    const ReadResult read = strictValue(text);
    if (read.status == ReadStatus::NotANumber)
        return std::nullopt;
    return read;
}

} // namespace velmora
