#pragma once
// Message paths ("Файл - Документ [1] - РасчетСВ - ...") are formed for every element and
// read only when a message is added. Each nesting level of a load reuses one string of its
// thread, so forming them costs no allocation once the first person has been read.

#include <string>

namespace orsvelt {

// The string for the next nesting level, for as long as this object lives. Objects must
// live and die in stack order, as locals of the loading functions do.
class ChildPathBuffer {
 public:
  ChildPathBuffer();
  ~ChildPathBuffer();
  ChildPathBuffer(const ChildPathBuffer&) = delete;
  ChildPathBuffer& operator=(const ChildPathBuffer&) = delete;

  std::string& Text() { return *text_; }

 private:
  std::string* text_;
};

// Appends " - " or " " (when blank), the name, then the number in the brackets given
// ("[", "]", or "(", ")"; none when open is empty).
void AppendPathStep(std::string& path, std::string_view separator, std::string_view name, std::string_view open,
                    std::size_t number, std::string_view close);

}  // namespace orsvelt
