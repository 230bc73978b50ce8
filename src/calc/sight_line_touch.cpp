#include "calc/sight_line_touch.h"

#include "calc/field_readers.h"
#include "calc/number_text.h"

namespace vortan {

double touch_point(double span, double sag, double slope_over_chord) {
    return span / 2 + slope_over_chord * span * span / (8 * sag);
}

bool refuse_touch_outside_span(CalcContext& context, RunValues& run, double touch, const TouchAdvice& advice) {
    // A line through a support itself (a board exactly four sags down) is on
    // the span; rounding must not push it off. Whether the sighting shows the
    // sag there or only bounds it is for the band to tell.
    const double span = run.span_length;
    const double slack = 1e-9 * span;
    if (-slack <= touch && touch <= span + slack) {
        run.touch = touch;
        run.touch_advice = &advice;
        return false;
    }
    const bool behind = touch < 0;
    const double distance = behind ? -touch : touch - span;
    const std::string where = format_number(distance, pattern::Measure, context.numbers) +
                              (context.imperial() ? " ft" : " m") +
                              (behind ? " behind the near structure" : " beyond the far structure");
    show_error(context, "Error : No such sighting can be taken on this cable.  The sight line would touch the "
                        "cable's curve " + where + ", outside the span.\n\r\n\r" +
                            (behind ? advice.behind_near : advice.beyond_far));
    return true;
}

}  // namespace vortan
