// The 95 % band of a run's sag. Each reading of the method, and the span
// length, is moved by its precision one at a time and the method run again
// on scratch fields; the changes of the sag add in quadrature. Sagging, the
// instruction is first read back as the observation it stands for, so the
// band is that of the sag the cable will hang at when the crew follows it.
#pragma once

#include "calc/calc_context.h"
#include "calc/precision/band.h"
#include "calc/precision/instrument_precision.h"
#include "calc/precision/scratch_run.h"
#include "calc/run_values.h"

#include <optional>

namespace vortan {

// The band of a successful run of the method on `page`, whose fields the
// scratch run has copied; nothing when the method's readings do not give its
// sag again (sagging: no observation can follow the instruction).
std::optional<ResultBand> result_band(const CalcContext& context, const RunValues& run, int page,
                                      const InstrumentPrecision& precision, ScratchRun& scratch);

// The half-width of the required sag that the cable temperature's precision
// gives on the schedule rows shown; 0 without two usable rows.
double required_sag_half_width(const CalcContext& context, Form& fields, const InstrumentPrecision& precision);

}  // namespace vortan
