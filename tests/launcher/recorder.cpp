// Test program started by the launcher: writes the arguments it received (its own name first),
// one a line, to the file named by KORVEX_RECORD, replacing it in one step so that a reader never
// sees half a record.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  const char* record = std::getenv("KORVEX_RECORD");
  if (record == nullptr) return 2;
  const std::string temp = std::string(record) + ".part";
  std::FILE* file = std::fopen(temp.c_str(), "w");
  if (file == nullptr) return 3;
  for (int i = 0; i < argc; ++i) std::fprintf(file, "%s\n", argv[i]);
  if (std::fclose(file) != 0) return 4;
  return std::rename(temp.c_str(), record) == 0 ? 0 : 5;
}
