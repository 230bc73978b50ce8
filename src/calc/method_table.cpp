#include "calc/method_table.h"

#include "calc/dynamometer_methods.h"
#include "calc/height_stick_clinometer_methods.h"
#include "calc/offset_method.h"
#include "calc/sighting_methods.h"
#include "calc/tangent_methods.h"
#include "calc/timing_methods.h"

namespace vortan {

SurveyMethod method_for_page(int page) {
    static const SurveyMethod methods[Method_Page_Count] = {
        Sightboard_Method,       // 0 Sightboard
        Tangent_2_Span_Method,   // 1 Tangent 2 Span
        Tangent_1_Span_Method,   // 2 Tangent 1 Span
        Series_Dynamometer_Method,  // 3 Series Dynmtr
        Level_Sighting_Method,   // 4 Level Sighting
        Offset_2_Span_Method,    // 5 Offset 2 Span
        Height_Stick_Method,     // 6 Height Stick
        Travelling_Wave_Method,  // 7 Travelling Wave
        Pendulum_Swing_Method,   // 8 Pendulum/Swing
        Shunt_Dynamometer_Method,  // 9 Shunt Dynmtr
        Clino_1_Span_Method,     // 10 Clino 1 Span
        Clino_2_Span_Method,     // 11 Clino 2 Span
    };
    if (page < 0 || page >= Method_Page_Count) return nullptr;
    return methods[page];
}

}  // namespace vortan
