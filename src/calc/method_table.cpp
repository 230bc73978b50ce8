#include "calc/method_table.h"

#include "calc/timing_methods.h"

namespace vortan {

SurveyMethod method_for_page(int page) {
    static const SurveyMethod methods[Method_Page_Count] = {
        nullptr,                 // 0 Sightboard
        nullptr,                 // 1 Tangent 2 Span
        nullptr,                 // 2 Tangent 1 Span
        nullptr,                 // 3 Series Dynmtr
        nullptr,                 // 4 Level Sighting
        nullptr,                 // 5 Offset 2 Span
        nullptr,                 // 6 Height Stick
        Travelling_Wave_Method,  // 7 Travelling Wave
        Pendulum_Swing_Method,   // 8 Pendulum/Swing
        nullptr,                 // 9 Shunt Dynmtr
        nullptr,                 // 10 Clino 1 Span
        nullptr,                 // 11 Clino 2 Span
    };
    if (page < 0 || page >= Method_Page_Count) return nullptr;
    return methods[page];
}

}  // namespace vortan
