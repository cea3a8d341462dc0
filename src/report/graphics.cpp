// The chart (SVG, self-contained: no script, no external file) and the page
// that holds it with the table.
#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "report/outputs.h"

namespace datacomp::report {
namespace {

constexpr const char* kColours[] = {"#4e79a7", "#f28e2b", "#e15759", "#76b7b2", "#59a14f",
                                    "#edc948", "#b07aa1", "#ff9da7", "#9c755f", "#bab0ac"};
constexpr std::size_t kColourCount = sizeof kColours / sizeof kColours[0];

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Control characters are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
          out += ' ';
        } else {
          out += c;
        }
    }
  }
  return out;
}

// Where values go on the vertical axis: linear from 0, or logarithmic by
// decades when the values span more than a factor of 100.
class Scale {
 public:
  explicit Scale(const Evaluation& evaluation) {
    for (const MachineResult& machine : evaluation.machines) {
      for (const TypeResult& type : machine.types) {
        if (type.medianSeconds <= 0) continue;
        smallest_ = smallest_ == 0 ? type.medianSeconds : std::min(smallest_, type.medianSeconds);
        largest_ = std::max(largest_, type.medianSeconds);
      }
    }
    logarithmic_ = smallest_ > 0 && largest_ / smallest_ > 100;
    if (logarithmic_) {
      low_ = std::floor(std::log10(smallest_));
      high_ = std::ceil(std::log10(largest_));
      if (high_ == low_) high_ += 1;
    } else {
      high_ = NiceCeiling(largest_ > 0 ? largest_ : 1);
    }
  }

  bool Logarithmic() const { return logarithmic_; }

  // 0 at the axis' foot, 1 at its head.
  double Position(double value) const {
    if (!logarithmic_) return value / high_;
    if (value <= 0) return 0;
    return std::clamp((std::log10(value) - low_) / (high_ - low_), 0.0, 1.0);
  }

  std::vector<double> Ticks() const {
    std::vector<double> ticks;
    if (logarithmic_) {
      for (double e = low_; e <= high_; ++e) ticks.push_back(std::pow(10.0, e));
    } else {
      for (int i = 0; i <= 5; ++i) ticks.push_back(high_ * i / 5);
    }
    return ticks;
  }

 private:
  static double NiceCeiling(double value) {
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 2.5, 5.0, 10.0}) {
      if (value <= step * decade) return step * decade;
    }
    return 10 * decade;
  }

  double smallest_ = 0;
  double largest_ = 0;
  bool logarithmic_ = false;
  double low_ = 0;
  double high_ = 1;
};

std::string TickText(double value) {
  if (value == 0) return "0";
  if (value >= 1000 || value < 0.001) return fmt::format("{:g}", value);
  return fmt::format("{:g}", std::round(value * 10000) / 10000);
}

}  // namespace

std::string SvgChart(const Evaluation& evaluation) {
  const std::size_t machines = std::max<std::size_t>(evaluation.machines.size(), 1);
  const double barWidth = std::clamp(96.0 / static_cast<double>(machines), 4.0, 18.0);
  const double groupGap = 14;
  const double groupWidth = barWidth * static_cast<double>(machines) + groupGap;
  const double left = 90;
  const double top = 70;
  const double plotHeight = 320;
  const double plotWidth = groupWidth * static_cast<double>(kRecordTypes.size());
  const double legendTop = top + plotHeight + 95;
  const double width = left + plotWidth + 30;
  const double height = legendTop + 22.0 * static_cast<double>(evaluation.machines.size()) + 20;
  const double bottom = top + plotHeight;
  const Scale scale(evaluation);

  std::string svg = fmt::format(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0:.0f}\" height=\"{1:.0f}\" "
      "viewBox=\"0 0 {0:.0f} {1:.0f}\" font-family=\"DejaVu Sans, Arial, sans-serif\" "
      "font-size=\"12\">\n"
      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
      "<text x=\"{2:.1f}\" y=\"28\" font-size=\"18\" font-weight=\"bold\">datacomp: Median-Zeit "
      "je Datentyp und Maschine</text>\n"
      "<text x=\"{2:.1f}\" y=\"48\" fill=\"#555\">{3}</text>\n",
      width, height, left,
      scale.Logarithmic() ? "logarithmische Skala (die Werte spannen mehr als Faktor 100)"
                          : "lineare Skala");

  for (const double tick : scale.Ticks()) {
    const double y = bottom - scale.Position(tick) * plotHeight;
    svg += fmt::format(
        "<line x1=\"{0:.1f}\" y1=\"{1:.1f}\" x2=\"{2:.1f}\" y2=\"{1:.1f}\" stroke=\"#ddd\"/>\n"
        "<text x=\"{3:.1f}\" y=\"{4:.1f}\" text-anchor=\"end\">{5}</text>\n",
        left, y, left + plotWidth, left - 6, y + 4, TickText(tick));
  }
  svg += fmt::format(
      "<line x1=\"{0:.1f}\" y1=\"{1:.1f}\" x2=\"{0:.1f}\" y2=\"{2:.1f}\" stroke=\"black\"/>\n"
      "<line x1=\"{0:.1f}\" y1=\"{2:.1f}\" x2=\"{3:.1f}\" y2=\"{2:.1f}\" stroke=\"black\"/>\n"
      "<text transform=\"translate(22 {4:.1f}) rotate(-90)\" text-anchor=\"middle\">Median-Zeit "
      "(Sekunden)</text>\n"
      "<text x=\"{5:.1f}\" y=\"{6:.1f}\" text-anchor=\"middle\">Datentyp</text>\n",
      left, top, bottom, left + plotWidth, top + plotHeight / 2, left + plotWidth / 2,
      bottom + 80);

  for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
    const double groupLeft = left + groupWidth * static_cast<double>(t) + groupGap / 2;
    for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
      const TypeResult& type = evaluation.machines[m].types[t];
      const double barHeight = scale.Position(type.medianSeconds) * plotHeight;
      const double x = groupLeft + barWidth * static_cast<double>(m);
      svg += fmt::format(
          "<rect x=\"{:.1f}\" y=\"{:.1f}\" width=\"{:.1f}\" height=\"{:.1f}\" fill=\"{}\">"
          "<title>{} [{}]: {:.4f} s{}</title></rect>\n",
          x, bottom - barHeight, barWidth - 1, barHeight, kColours[m % kColourCount],
          kRecordTypes[t].name, m + 1, type.medianSeconds, type.unstable ? " (instabil)" : "");
      if (type.unstable) {
        svg += fmt::format("<text x=\"{:.1f}\" y=\"{:.1f}\" text-anchor=\"middle\" "
                           "fill=\"#c00\">!</text>\n",
                           x + barWidth / 2, bottom - barHeight - 3);
      }
    }
    const double labelX = groupLeft + barWidth * static_cast<double>(machines) / 2;
    svg += fmt::format(
        "<text transform=\"translate({:.1f} {:.1f}) rotate(-45)\" text-anchor=\"end\">{}</text>\n",
        labelX, bottom + 14, kRecordTypes[t].name);
  }

  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    const double y = legendTop + 22.0 * static_cast<double>(m);
    svg += fmt::format(
        "<rect x=\"{:.1f}\" y=\"{:.1f}\" width=\"14\" height=\"14\" fill=\"{}\"/>\n"
        "<text x=\"{:.1f}\" y=\"{:.1f}\">[{}] {}</text>\n",
        left, y, kColours[m % kColourCount], left + 20, y + 11, m + 1,
        Escaped(MachineDescription(evaluation.machines[m])));
  }
  svg += fmt::format("<text x=\"{:.1f}\" y=\"{:.1f}\" fill=\"#555\">! = Streuung von 5 % oder "
                     "mehr (instabil)</text>\n",
                     left, height - 6);
  return svg + "</svg>\n";
}

std::string HtmlPage(const Evaluation& evaluation) {
  std::string svg = SvgChart(evaluation);
  svg.erase(0, svg.find("<svg"));  // no XML declaration inside HTML
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>datacomp: Auswertung</title>\n<style>\n"
      "body { font-family: DejaVu Sans, Arial, sans-serif; margin: 2em; }\n"
      "table { border-collapse: collapse; margin-top: 1em; }\n"
      "th, td { border: 1px solid #ccc; padding: 0.2em 0.6em; }\n"
      "td.n { text-align: right; font-variant-numeric: tabular-nums; }\n"
      ".instabil { color: #c00; }\n</style>\n</head>\n<body>\n"
      "<h1>datacomp: Auswertung</h1>\n";
  html += fmt::format("<p>{} Datensätze von {} Maschinen.</p>\n<ol>\n", evaluation.records,
                      evaluation.machines.size());
  for (const MachineResult& machine : evaluation.machines) {
    html += fmt::format("<li>{} ({} Datensätze)</li>\n", Escaped(MachineDescription(machine)),
                        machine.records);
  }
  html += "</ol>\n" + svg + "<table>\n<tr><th>Typ</th>";
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    html += fmt::format("<th>[{0}] Median (s)</th><th>[{0}] Verhältnis</th><th>[{0}] Tempo</th>",
                        m + 1);
  }
  html += "</tr>\n";
  const NumberStyle plain;
  for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
    html += fmt::format("<tr><td>{}</td>", kRecordTypes[t].name);
    for (const MachineResult& machine : evaluation.machines) {
      const TypeResult& type = machine.types[t];
      html += fmt::format("<td class=\"n{}\">{:.4f}{}</td><td class=\"n\">{}</td>"
                          "<td class=\"n\">{}</td>",
                          type.unstable ? " instabil" : "", type.medianSeconds,
                          type.unstable ? " !" : "", FactorText(type.ratio, plain),
                          FactorText(type.speed, plain));
    }
    html += "</tr>\n";
  }
  return html +
         "</table>\n<p>! = Streuung (Variationskoeffizient) von 5 % oder mehr: die Messung ist "
         "instabil. Verhältnis: zur Referenz der Gruppe derselben Maschine (Real, Integer). "
         "Tempo: schnellste Maschine = 1,00.</p>\n</body>\n</html>\n";
}

}  // namespace datacomp::report
