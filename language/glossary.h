#pragma once

#include <vector>

namespace velmora {

// The field's terms a translation keeps one word for, so that each is the same throughout a
// language: the source texts of the context "Glossary" in translations/velmora_xx.ts, whose
// translations are that language's terms.
std::vector<const char *> glossaryTerms();

} // namespace velmora
