// The tolerance check of a stored cable sag: its actual sag against the sag
// its schedule asks for, with the verdict and band the window would give it
// had the sag just been checked. The line overview and the report's
// spreadsheet both read it, so neither can disagree with the window.
#pragma once

#include "calc/number_text.h"
#include "calc/precision/stored_band.h"
#include "calc/sag_tolerance.h"
#include "form/form.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace vortan {

// The settings a band and a verdict follow (units, tolerance, angle circle,
// precisions), as one text that changes when any of them does.
std::string settings_a_check_follows(const Form& setup, const NumberFormat& numbers);

// Lengths in the units in force.
struct StoredCheck {
    double difference;
    double percent;
    Verdict verdict;
    // The 95 % half-width of the actual sag, for a checked cable whose
    // readings give one; a sagged cable was set, not measured, and has none.
    std::optional<double> band;
};

class StoredChecks {
public:
    // `main` and `setup`: the main window's and the setup editor's fields,
    // kept by reference with `numbers`, as their settings may change.
    StoredChecks(const Form& main, const Form& setup, const NumberFormat& numbers);

    // The sag a cable-sag record is checked against: the schedule at the
    // compensated temperature (to a tenth of a degree, as the window has it)
    // for a checked cable; the stored required sag for one that was sagged.
    std::optional<double> required_sag(const std::string& cable_sag_record) const;
    // Nothing without both sags. A checked cable whose readings no longer
    // give a band is INCONCLUSIVE: its sag cannot be vouched for.
    std::optional<StoredCheck> check_of(const std::string& cable_sag_record, double span_length_metric);
    // The same, kept for the next ask of the same record and span: a sort of
    // a long line asks for each many times, and a preserve changes one record
    // of many. What is kept holds until forget_on_new_settings() finds the
    // settings a check follows (units, tolerance, angle circle, precisions)
    // changed; the caller asks it whenever it rereads the records.
    std::optional<StoredCheck> remembered_check_of(const std::string& cable_sag_record, double span_length_metric);
    void forget_on_new_settings();

private:

    bool imperial() const;
    std::optional<double> length(const std::string& record, int field) const;

    const Form& setup_;
    const NumberFormat& numbers_;
    StoredBands bands_;
    std::string remembered_settings_;
    std::unordered_map<std::string, std::optional<StoredCheck>> remembered_;
};

}  // namespace vortan
