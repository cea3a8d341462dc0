// The evaluation as the user asks for it: a table for the terminal, CSV, JSON
// and Markdown exports, an SVG chart and an HTML page. All text is UTF-8.
#pragma once

#include <string>
#include <vector>

#include "report/evaluation.h"
#include "report/number_style.h"
#include "report/results_reader.h"

namespace datacomp::report {

// "Gleitkomma" or "Ganzzahl", as every output names a type's group.
const char* GroupName(TypeGroup group);

std::string TerminalTable(const Evaluation& evaluation, const NumberStyle& style);
std::string CsvExport(const Evaluation& evaluation);
std::string JsonExport(const Evaluation& evaluation, const std::vector<SkippedRecord>& skipped);
std::string MarkdownExport(const Evaluation& evaluation);
std::string SvgChart(const Evaluation& evaluation);
std::string HtmlPage(const Evaluation& evaluation);

}  // namespace datacomp::report
