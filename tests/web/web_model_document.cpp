// Prints the model document the module hands the page, for model_schema_test.py to check.
#include <cstdio>

#include "web/web_model.h"

int main() {
  const std::string document = tallies::WindowModelJson();
  return std::fwrite(document.data(), 1, document.size(), stdout) == document.size() ? 0 : 1;
}
