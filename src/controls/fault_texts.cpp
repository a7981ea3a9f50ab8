#include "controls/fault_texts.h"

namespace tallies {
namespace {

// A system message ends with a full stop and a line break ("Not enough memory resources are
// available to process this command.\r\n"); the report puts its own full stop after it.
std::string_view WithoutClosingStop(std::string_view text) {
  while (!text.empty() && (text.back() == '.' || text.back() == ' ' || text.back() == '\r' ||
                           text.back() == '\n' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::string UnexpectedFaultText(std::string_view description) {
  std::string_view said = WithoutClosingStop(description);
  if (said.empty()) said = "Unknown failure";
  return "Tallies could not finish this action: " + std::string(said) +
         ".\nThe window stays open and keeps what it showed.";
}

std::string CreationFailureText(std::string_view windowClass, std::string_view reason) {
  std::string_view said = WithoutClosingStop(reason);
  if (said.empty()) said = "no reason given";
  return "Tallies cannot open its window: Windows did not create a \"" + std::string(windowClass) +
         "\" window (" + std::string(said) + ").\nTallies will close.";
}

std::string AsLogLine(std::string_view text) {
  std::string line = "Tallies: ";
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  return line;
}

}  // namespace tallies
