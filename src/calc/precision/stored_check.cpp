#include "calc/precision/stored_check.h"

#include "calc/temperature_compensation.h"
#include "calc/unit_conversion.h"
#include "project/record_fields.h"
#include "project/record_layout.h"

#include <cmath>

namespace vortan {

namespace {

// Cable-sag record fields.
constexpr int Sag_Mode = 8, Actual_Temperature = 11, Creep = 12, Upper_Temperature = 13, Lower_Temperature = 14,
              Upper_Sag = 15, Lower_Sag = 16, Required_Sag = 17, Actual_Sag = 18;

bool checked(const std::string& record) { return record_field(record, Sag_Mode) == "1"; }

constexpr size_t Most_Remembered = 400000;

}  // namespace

StoredChecks::StoredChecks(const Form& main, const Form& setup, const NumberFormat& numbers)
    : setup_(setup), numbers_(numbers), bands_(main, setup, numbers) {}

bool StoredChecks::imperial() const { return setup_.item_index("Units_of_Measure_RadioGroup") == 1; }

std::optional<double> StoredChecks::length(const std::string& record, int field) const {
    const auto metric = record_number(record, field);
    if (!metric) return std::nullopt;
    return imperial() ? metric_to_imperial(Quantity::Length, *metric) : *metric;
}

std::optional<double> StoredChecks::required_sag(const std::string& record) const {
    if (!checked(record)) return length(record, Required_Sag);
    const auto upper = record_number(record, Upper_Temperature), lower = record_number(record, Lower_Temperature);
    const auto upper_sag = length(record, Upper_Sag), lower_sag = length(record, Lower_Sag);
    const auto actual = record_number(record, Actual_Temperature), creep = record_number(record, Creep);
    if (!upper || !lower || !upper_sag || !lower_sag || !actual || !creep || *upper < *lower) return std::nullopt;
    const double compensated = std::round((*actual + *creep) * 10) / 10;
    const double sag = schedule_sag({*upper, *upper_sag, *lower, *lower_sag}, compensated);
    if (!(sag > 0) || !std::isfinite(sag)) return std::nullopt;
    return sag;
}

std::optional<StoredCheck> StoredChecks::check_of(const std::string& record, double span_length_metric) {
    const auto required = required_sag(record);
    auto actual = length(record, Actual_Sag);
    if (!required || !actual || !(*required > 0)) return std::nullopt;
    const double tolerance = sag_tolerance_percent(setup_.text("Sag_Tolerance_Percent_Edit"), numbers_);
    const double limit = *required * tolerance / 100;
    std::optional<ResultBand> band;
    if (checked(record)) band = bands_.band_of(record, span_length_metric);
    // The record keeps the sag rounded for display; the readings give it
    // whole, as the window compared it when the sag was checked.
    if (band) actual = band->sag;
    const double difference = *actual - *required, percent = difference / *required * 100;
    if (!checked(record)) return StoredCheck{difference, percent, sag_verdict(difference, limit, 0), std::nullopt};
    if (!band) return StoredCheck{difference, percent, Verdict::Inconclusive, std::nullopt};
    return StoredCheck{difference, percent, sag_verdict(difference, limit, band->combined()), band->half_width};
}

std::string settings_a_check_follows(const Form& setup, const NumberFormat& numbers) {
    std::string settings = std::to_string(setup.item_index("Units_of_Measure_RadioGroup")) + "\t" +
                           setup.text("Sag_Tolerance_Percent_Edit") + "\t" + numbers.decimal;
    for (const char* circle : {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"})
        settings += setup.checked(circle) ? "1" : "0";
    for (const PrecisionSetting& setting : precision_settings()) settings += "\t" + setup.text(setting.field);
    return settings;
}

void StoredChecks::forget_on_new_settings() {
    std::string settings = settings_a_check_follows(setup_, numbers_);
    // Records replaced by a preserve stay behind: a map of many more than
    // the line holds is started again.
    if (settings != remembered_settings_ || remembered_.size() > Most_Remembered) {
        remembered_.clear();
        remembered_settings_ = std::move(settings);
    }
}

std::optional<StoredCheck> StoredChecks::remembered_check_of(const std::string& record, double span_length_metric) {
    std::string key = record + "\x1f" + std::to_string(span_length_metric);
    if (auto known = remembered_.find(key); known != remembered_.end()) return known->second;
    return remembered_.emplace(std::move(key), check_of(record, span_length_metric)).first->second;
}

}  // namespace vortan
