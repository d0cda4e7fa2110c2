#include "core/formats.h"

namespace tabulyst {
namespace {

// A new output format is one more row here, a document class and a table writer.
constexpr OutputFormatTraits kOutputFormats[] = {
    {OutputFormat::Html,
     "HTML",
     ".html",
     {"Times New Roman, Regular, 12", "Arial, Regular, 12", "Arial, Regular, 12",
      "Times New Roman, Regular, 12", "Courier New, Regular, 10", "Fixed font", 12},
     false},
    {OutputFormat::Rtf,
     "RTF",
     ".rtf",
     {"Times New Roman, Regular, 10", "Arial, Regular, 10", "Arial, Regular, 10",
      "Times New Roman, Regular, 10", "Courier New, Regular, 8", "Fixed-pitch font", 10},
     true},
};

static_assert(kOutputFormats[static_cast<int>(OutputFormat::Html)].format == OutputFormat::Html);
static_assert(kOutputFormats[static_cast<int>(OutputFormat::Rtf)].format == OutputFormat::Rtf);

}  // namespace

std::span<const OutputFormatTraits> OutputFormats() { return kOutputFormats; }

const OutputFormatTraits& Traits(OutputFormat format) {
    return kOutputFormats[static_cast<size_t>(format)];
}

}  // namespace tabulyst
