// What each survey method reads in the field, and of what kind each reading is,
// so that one routine can carry every reading's precision through any method.
#pragma once

#include "calc/precision/instrument_precision.h"

#include <string>
#include <vector>

namespace vortan {

struct MethodReading {
    const char* field;
    ReadingKind kind;
};

struct MethodReadings {
    // Everything checking a sag reads from the page, in the order it reads it;
    // names, counts and instrument constants are left out.
    std::vector<MethodReading> checked;
    const char* actual_sag;  // the page's actual sag
    // What sagging tells the crew to observe, and the reading that stands for
    // it when the cable is checked; nullptr for the methods that only check.
    const char* sag_output;
    const char* fed_back;
    const char* output_name;  // the observation, as an accuracy note names it
    // The count of returns or swings the timed reading spans, if any.
    const char* count;
};

// The readings of the method on a page of Calc_Method_PageControl; nullptr for
// a page that has none.
const MethodReadings* method_readings(int page);

// The field that shows the band beside a page's actual sag.
std::string band_field_of(const char* actual_sag_field);

}  // namespace vortan
