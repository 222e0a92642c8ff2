#include "cli/densityoptions.h"

#include <algorithm>

namespace velmora {

namespace {

// The stages of a list of names, or nothing when a name is not a stage or is named twice.
std::optional<std::vector<int>> stagesNamed(const StageModel &model,
                                            const std::vector<std::string> &names)
{
    std::vector<int> stages;
    for (const std::string &name : names) {
        const auto found = std::find(model.stages.begin(), model.stages.end(), name);
        if (found == model.stages.end())
            return std::nullopt;
        stages.push_back(int(found - model.stages.begin()));
    }
    if (!distinctStages(model.size(), stages))
        return std::nullopt;
    return stages;
}

} // namespace

std::vector<AcceptedOption> densityOptions(bool withWay)
{
    std::vector<AcceptedOption> accepted{
        {"--density", "FORM",
         QT_TRANSLATE_NOOP("CliText",
                           "beverton-holt, ricker or ceiling: how reproduction falls\n"
                           "as the density D rises")},
        {"--capacity", "K",
         QT_TRANSLATE_NOOP("CliText",
                           "the density at which the population settles without\n"
                           "harvest, above 0")},
        {"--counted-stages", "LIST",
         QT_TRANSLATE_NOOP("CliText", "the stages whose sum is D, by name (default: all)")},
        {"--harvest-stages", "LIST",
         QT_TRANSLATE_NOOP("CliText", "the stages a way of harvesting takes from (default: all)")},
    };
    if (withWay) {
        accepted.push_back({"--strategy", "WAY",
                            QT_TRANSLATE_NOOP("CliText",
                                              "quota, rate or escapement: take the harvest this\n"
                                              "way in place of H (needs --density and --level)")});
        accepted.push_back({"--level", "X",
                            QT_TRANSLATE_NOOP("CliText",
                                              "the quota Q a step, the rate h (0 to 1) or the\n"
                                              "escapement E")});
    }
    return accepted;
}

bool DensityOptionsReader::take(const GivenOption &option, std::optional<std::string> &refusal)
{
    if (option.name == "--density") {
        m_form = densityFormFromKey(option.value);
        if (!m_form)
            refusal = said(CliText::tr("--density is \"%1\": it takes beverton-holt, ricker or ceiling")
                               .arg(typed(option.value)));
    } else if (option.name == "--capacity") {
        const std::optional<ReadResult> read = plainNumber(option.value);
        if (!read || !read->ok() || !(read->value > 0))
            refusal = said(CliText::tr("--capacity needs a number above 0"));
        else
            m_capacity = read->value;
    } else if (option.name == "--counted-stages") {
        m_counted = option.value;
    } else if (option.name == "--harvest-stages") {
        m_harvested = option.value;
    } else if (option.name == "--strategy") {
        m_way = harvestWayFromKey(option.value);
        if (!m_way)
            refusal = said(CliText::tr("--strategy is \"%1\": it takes quota, rate or escapement")
                               .arg(typed(option.value)));
    } else if (option.name == "--level") {
        const std::optional<ReadResult> read = plainNumber(option.value);
        if (!read || !read->ok() || !(read->value >= 0))
            refusal = said(CliText::tr("--level needs a number of at least 0"));
        else
            m_level = read->value;
    } else {
        return false;
    }
    return true;
}

std::optional<std::string> DensityOptionsReader::finish(const StageModel &model,
                                                        const YieldBlocks &file,
                                                        DensityChoice &choice) const
{
    const bool fromFile = file.density.has_value();
    if (!fromFile && (m_form || m_capacity || m_counted)) {
        if (!m_form)
            return said(CliText::tr("--density is missing: give beverton-holt, ricker or ceiling"));
        if (!m_capacity)
            return said(CliText::tr("--capacity is missing: give K, the density at rest"));
    }
    if (fromFile || m_form) {
        DensitySettings settings;
        if (fromFile)
            settings = densitySettings(model, *file.density);
        settings.form = m_form.value_or(settings.form);
        settings.capacity = m_capacity.value_or(settings.capacity);
        if (m_counted) {
            const auto stages = stagesNamed(model, splitList(*m_counted));
            if (!stages)
                return said(CliText::tr("--counted-stages names a stage twice or one the model does not have"));
            settings.counted = *stages;
        }
        if (auto refusal = densityRefusal(model, settings))
            return refusal;
        choice.density = settings;
    }
    if (m_harvested) {
        const auto stages = stagesNamed(model, splitList(*m_harvested));
        if (!stages)
            return said(CliText::tr("--harvest-stages names a stage twice or one the model does not have"));
        choice.harvested = *stages;
    } else if (const auto stages = stagesNamed(model, file.harvestStages)) {
        choice.harvested = *stages;
    }
    if (m_way.has_value() != m_level.has_value())
        return said(m_way ? CliText::tr("--strategy needs --level: the quota, rate or escapement to keep")
                          : CliText::tr("--level needs --strategy: quota, rate or escapement"));
    if (m_way && !choice.density)
        return said(CliText::tr("--strategy needs density dependence (--density and --capacity): "
                                "without it, every way of harvesting either loses the population "
                                "or lets it grow for ever"));
    if (m_way == HarvestWay::Rate && *m_level > 1)
        return said(CliText::tr("--level of a rate is a share from 0 to 1"));
    choice.way = m_way;
    choice.level = m_level.value_or(0.0);
    return std::nullopt;
}

std::string densityFormShown(DensityForm form)
{
    switch (form) {
    case DensityForm::BevertonHolt:
        return "Beverton-Holt";
    case DensityForm::Ricker:
        return "Ricker";
    case DensityForm::Ceiling:
        break;
    }
    //: A form of density dependence, as in "Density dependence: a ceiling, K = 100".
    return said(CliText::tr("a ceiling"));
}

} // namespace velmora
