#include "report/results_reader.h"

#include <fmt/format.h>

#include <array>
#include <variant>

#include "platform/codepage1252.h"

namespace datacomp::report {

bool ResultsReader::Read(std::istream& input, const std::string& source) {
  // Large pieces, split by hand: a million records read in well under the
  // time a line-by-line stream would take.
  std::vector<char> buffer(1 << 20);
  std::string pending;  // a line that runs on into the next piece
  std::size_t number = 0;
  while (input) {
    input.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::string_view piece(buffer.data(), static_cast<std::size_t>(input.gcount()));
    if (input.bad()) return false;
    std::size_t start = 0;
    for (std::size_t end; (end = piece.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
      if (pending.empty()) {
        Line(piece.substr(start, end - start), source, ++number);
      } else {
        pending.append(piece.substr(start, end - start));
        Line(pending, source, ++number);
        pending.clear();
      }
    }
    pending.append(piece.substr(start));
  }
  if (input.bad()) return false;
  if (!pending.empty()) Line(pending, source, ++number);
  return true;
}

void ResultsReader::Line(std::string_view line, const std::string& source, std::size_t number) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty()) return;  // an empty line holds no record

  std::size_t fields = 0;
  for (const char c : line) fields += c == ';';
  if (fields < kRecordFields) {
    skipped_.push_back({source, number,
                        fmt::format("nur {} von {} Feldern (abgebrochener Lauf?)", fields,
                                    kRecordFields)});
    return;
  }
  if (fields > kRecordFields) {
    skipped_.push_back({source, number,
                        fmt::format("{} statt {} Feldern (\";\" in einem Wert?)", fields,
                                    kRecordFields)});
    return;
  }
  if (line.back() != ';') {
    skipped_.push_back({source, number, fmt::format("Text nach dem {}. Feld", kRecordFields)});
    return;
  }

  std::array<std::string_view, kRecordFields> field;
  std::size_t start = 0;
  for (std::size_t i = 0; i < kRecordFields; ++i) {
    const std::size_t end = line.find(';', start);
    field[i] = line.substr(start, end - start);
    start = end + 1;
  }
  RecordTimes times{};
  for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
    const std::size_t index = kFirstTimeField + t;
    const auto parsed = ParseTimeText(field[index]);
    if (const auto* reason = std::get_if<std::string>(&parsed)) {
      skipped_.push_back({source, number,
                          fmt::format("unlesbare Zeit in Feld {} ({}): \"{}\" – {}", index + 1,
                                      kRecordTypes[t].name,
                                      platform::Cp1252ToUtf8(field[index]), *reason)});
      return;
    }
    times[t] = std::get<Ticks>(parsed);
  }
  machines_.Add({field[0], field[1], field[2], field[3], field[4]}, field[kInitialsField], times);
}

}  // namespace datacomp::report
