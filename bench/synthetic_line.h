// A line of 10,000 sag-spans with 10 cable sags each, and the setup lists
// they name, for the benchmarks.
#pragma once

#include "form/form.h"
#include "project/setup_lists.h"

#include <string>
#include <vector>

namespace vortan::bench {

inline constexpr int Sag_Spans = 10000;
inline constexpr int Cable_Sags_Per_Span = 10;

inline void given_setup(Form& setup) {
    std::vector<std::string> positions;
    for (int p = 0; p < Cable_Sags_Per_Span; ++p) positions.push_back("Phase " + std::to_string(p + 1));
    setup.set_items(setup_list::Structure_Types, {"Suspension", "Tension"});
    setup.set_items(setup_list::Cable_Positions, positions);
    setup.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t18.1\t"});
    setup.set_text("Contract_Edit", "C-2027/14");
    setup.set_text("Contractor_Edit", "Line Crews Ltd");
    setup.set_text("Transmission_Line_Edit", "North Feeder 132 kV");
}

// Fields as a record stores them: each followed by a TAB.
inline std::string record_of(const std::vector<std::string>& fields) {
    std::string record;
    for (const std::string& field : fields) record += field + "\t";
    return record;
}

// A cable-sag record of 74 fields, as the program stores one.
inline std::string cable_sag(int span, int position) {
    std::vector<std::string> fields(74, "0");
    fields[0] = std::to_string(span);
    fields[4] = std::to_string(span % 2);
    fields[5] = std::to_string(position);
    fields[8] = "07-Dec-2026";
    fields[10] = "15";
    fields[16] = "9.50000000";
    fields[17] = "9.62000000";
    fields[18] = "8";
    return record_of(fields);
}

// The same cable sag checked by a pendulum swing: its verdict asks for the
// band, which runs the method again for each reading.
inline std::string checked_cable_sag(int span, int position) {
    std::vector<std::string> fields(74, "");
    fields[0] = std::to_string(span);
    for (int f : {1, 2, 3, 4, 9, 11}) fields[static_cast<size_t>(f)] = "0";
    fields[5] = std::to_string(position);
    fields[7] = "1";
    fields[8] = "07-Dec-2026";
    fields[10] = "15";
    fields[12] = "20";
    fields[13] = "10";
    fields[14] = "9.80";
    fields[15] = "9.40";
    fields[17] = "9.62";
    fields[18] = "8";
    fields[19] = "5";
    fields[20] = std::to_string(27.0 + 0.1 * (position + span % 10));
    return record_of(fields);
}

inline void given_line(Form& main_window, bool checked = false) {
    std::vector<std::string> spans, cables;
    for (int n = 1; n <= Sag_Spans; ++n) {
        spans.push_back(std::to_string(n) + "\tT" + std::to_string(n) + "\tT" + std::to_string(n + 1) + "\t" +
                        std::to_string(250 + n % 150) + "\t-1\t");
        for (int p = 0; p < Cable_Sags_Per_Span; ++p) cables.push_back(checked ? checked_cable_sag(n, p) : cable_sag(n, p));
    }
    main_window.set_items("Pole_Data_Listbox", std::move(spans));
    main_window.set_items("Cable_Bundle_Record_Listbox", std::move(cables));
}

}  // namespace vortan::bench
