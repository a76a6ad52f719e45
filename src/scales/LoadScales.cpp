#include "LoadScales.h"

#include <ostream>

#include "SplitFields.h"

namespace orvel {

namespace {

// Reads the data lines after the two header lines; throws TIOError on a read
// fault, keeping the records appended before it.
void ReadDataLines(TextFileReader& reader, const std::filesystem::path& file,
                   std::vector<TScale>& scale, std::ostream& warnings) {
    reader.ReadLine();
    reader.ReadLine();
    std::vector<std::string_view> fields;
    for (long lineNumber = 3; !reader.AtEnd(); ++lineNumber) {
        const std::string_view line = reader.ReadLine();
        SplitFields(line, ',', fields);
        if (fields.size() < TScale::kFieldCount) {
            warnings << file.string() << ":" << lineNumber << ": skipped: " << fields.size()
                     << " fields, a scale needs " << TScale::kFieldCount << "\n";
            continue;
        }
        scale.emplace_back(fields);
    }
}

}  // namespace

void LoadScales(const std::filesystem::path& programFolder, std::vector<TScale>& scale,
                const LoadServices& services) {
    LoadCatalogueFile(programFolder / kCatalogueFileName, scale, services);
}

void LoadCatalogueFile(const std::filesystem::path& file, std::vector<TScale>& scale,
                       const LoadServices& services) {
    if (!services.reader.Exists(file)) {
        return;
    }
    try {
        services.reader.Open(file);
        ReadDataLines(services.reader, file, scale, services.warnings);
        services.reader.Close();
    } catch (const TIOError& failure) {
        services.reader.Close();
        services.report(kFileErrorMessage, failure.what());
    }
}

}  // namespace orvel
