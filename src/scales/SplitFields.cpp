#include "scales/SplitFields.h"

namespace orvel {

void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (std::size_t end = line.find(separator); end != std::string_view::npos;
         end = line.find(separator, start)) {
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    fields.push_back(line.substr(start));
}

}  // namespace orvel
