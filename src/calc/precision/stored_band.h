// The band of a stored cable sag, worked out again from its record: the
// method runs on a scratch copy of the main window's fields, so that the line
// overview and the report give every checked sag the same band and verdict as
// the window does.
#pragma once

#include "calc/number_text.h"
#include "calc/precision/band.h"
#include "calc/precision/scratch_run.h"
#include "form/form.h"

#include <optional>
#include <string>

namespace vortan {

class StoredBands {
public:
    // `main`: the main window's fields (its controls are copied, not its
    // lists); `setup`: the setup editor's; `numbers` kept by reference.
    StoredBands(const Form& main, const Form& setup, const NumberFormat& numbers);

    // The band of a checked cable sag (sag mode "Check Cable Sag"), lengths in
    // the units in force; `span_length_metric` from its sag-span record.
    // Nothing for a sagged cable, or a record its method cannot run on.
    std::optional<ResultBand> band_of(const std::string& cable_sag_record, double span_length_metric);

private:
    ScratchRun scratch_;
    const Form& setup_;
    const NumberFormat& numbers_;
};

}  // namespace vortan
