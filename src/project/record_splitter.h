// A record string split once into its TAB-separated fields, giving for every
// field number the same text as record_field, so a long list can be read
// without searching each record again for every field.
#pragma once

#include <string_view>
#include <vector>

namespace vortan {

class RecordSplitter {
public:
    RecordSplitter() = default;
    explicit RecordSplitter(std::string_view record) { assign(record); }

    // Splits another record, reusing the storage.
    void assign(std::string_view record);
    // Field n, counted from 1.
    std::string_view field(int n) const;

private:
    std::string_view record_;
    std::vector<std::string_view> pieces_;  // the texts between the TABs
};

}  // namespace vortan
