// The module's entry points for the page. Texts cross as UTF-8 C strings; each answer stays
// valid until the next call of the same function. Nothing here throws: a calculator's fault is
// caught inside ClickJson.
#include <emscripten/emscripten.h>

#include <string>

#include "web/web_model.h"

namespace {

tallies::WebForm& Form() {
  static tallies::WebForm form;
  return form;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* tallies_model() {
  static const std::string model = tallies::WindowModelJson();
  return model.c_str();
}

EMSCRIPTEN_KEEPALIVE void tallies_set_decimal_separator(const char* separator) {
  Form().SetDecimalSeparator(separator);
}

EMSCRIPTEN_KEEPALIVE void tallies_type(const char* control, const char* text) {
  Form().Type(control, text);
}

EMSCRIPTEN_KEEPALIVE const char* tallies_click(const char* control) {
  static std::string answer;
  answer = tallies::ClickJson(Form(), control);
  return answer.c_str();
}

}  // extern "C"
